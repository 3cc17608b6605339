#!/usr/bin/env bash
# Draws a small circuit in the real program on a virtual screen, calculates it and saves a
# screenshot of the main window: a 100 Ω resistor in parallel with a 10 μF capacitor, in series
# with a 0.1 H coil, at 50 Hz. Used for the pictures in docs/.
# With a folder as fifth argument it also saves there the drawing after "インピーダンス　素子化"
# has turned the result into an impedance part, the frequency response following a drag, and a
# drawing whose wired check differs from the calculation.
# Usage: screenshot.sh <selvoria binary> <folder with the bitmaps> <out.png> [scale] [folder]
set -euo pipefail
binary=$1 assets=$2 out=$3 scale=${4:-1} extra=${5:-}

if [[ -z "${SELVORIA_INSIDE_XVFB:-}" ]]; then
    export SELVORIA_INSIDE_XVFB=1
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 2000x1400x24" "$0" "$@"
fi
export QT_SCALE_FACTOR=$scale

find_window() { timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
origin_of() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^[XY]=/ {printf "%s ", $2}'; }
# Top-left corner of the main window's client area: below the menu bar, 555 logical pixels tall,
# above the status bar of 24.
client_origin_of() {
    xdotool getwindowgeometry --shell "$1" | awk -F= -v s="$scale" \
        '/^X=/ {x = $2} /^Y=/ {y = $2} /^HEIGHT=/ {h = $2} END {printf "%d %d", x, y + h - (555 + 24) * s}'
}
# Screen position of a point given in the window's logical pixels.
px() { awk -v o="$1" -v v="$2" -v s="$scale" 'BEGIN { printf "%d", o + v * s }'; }
click_at() { xdotool mousemove "$(px "$1" "$3")" "$(px "$2" "$4")" click 1; sleep 0.2; }
drag() {  # drag from (x1,y1) to (x2,y2), window-relative logical pixels
    xdotool mousemove "$(px $mx "$1")" "$(px $my "$2")" mousedown 1
    xdotool mousemove "$(px $mx 835)" "$(px $my 545)" sleep 0.1
    xdotool mousemove "$(px $mx "$3")" "$(px $my "$4")" sleep 0.1 mouseup 1
    sleep 0.2
}
# Opens a value dialog with a palette command, types the value, picks the unit, closes it.
enter_value() {  # command x, command y, dialog title, value, unit presses, "閉じる" x
    click_at "$mx" "$my" "$1" "$2"
    local dialog dx dy
    dialog=$(find_window "$3")
    read -r dx dy <<<"$(origin_of "$dialog")"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 50 "$4"
    if (( $5 > 0 )); then
        xdotool key Tab
        for _ in $(seq 1 "$5"); do xdotool key Down; done
    fi
    click_at "$dx" "$dy" "${6:-88}" 124
}

cd "$assets"
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
main=$(find_window "Selvoria　Ｖｅｒ．１．２")
read -r wx wy <<<"$(origin_of "$main")"
read -r mx my <<<"$(client_origin_of "$main")"

enter_value 84 72 "抵抗値入力画面" 100 0
enter_value 260 72 "容量値入力画面" 10 1
enter_value 172 72 "インダクタンス入力画面" 0.1 0
enter_value 348 72 "周波数入力画面" 50 0 155
click_at "$mx" "$my" 444 48
click_at "$mx" "$my" 444 48
drag 277 234 300 300          # resistor
drag 277 402 300 366          # capacitor, 975 twips lower at its lead line
drag 52 256 374 324           # line at the right terminals
drag 277 338 500 450          # coil out of the way for now
drag 84 256 292 324           # line just left of the left terminals
drag 537 476 226 299          # coil, its right terminal on the column's left side
click_at "$mx" "$my" 564 72   # 計算実行
sleep 0.5
height=$(xdotool getwindowgeometry --shell "$main" | awk -F= '/^HEIGHT=/ {print $2}')
import -window root -crop "$(px 0 856)x$height+$wx+$wy" "$out"
echo "saved $out"

# Opens a window from the "表示" menu with the keyboard and saves it.
menu_window() {  # presses after the menu opens, window title, file
    xdotool windowfocus --sync "$main"
    xdotool key alt+v
    sleep 0.3
    xdotool key $1 Return
    local window
    window=$(find_window "$2")
    sleep 1
    import -window "$window" "$3"
    xdotool windowfocus --sync "$window" key Escape
    sleep 0.3
    echo "saved $3"
}
if [[ -n "$extra" ]]; then
    click_at "$mx" "$my" 668 72   # インピーダンス　素子化
    sleep 0.5
    import -window root -crop "$(px 0 856)x$height+$wx+$wy" "$extra/impedance-part.png"
    echo "saved $extra/impedance-part.png"

    # The frequency response open beside the drawing while the impedance part is dragged.
    xdotool windowfocus --sync "$main"
    xdotool key alt+v
    sleep 0.3
    xdotool key Return
    chart=$(find_window "周波数特性")
    xdotool windowmove --sync "$chart" "$((wx + $(px 0 870)))" "$wy"
    sleep 1
    xdotool mousemove "$(px $mx 277)" "$(px $my 480)" mousedown 1
    xdotool mousemove "$(px $mx 835)" "$(px $my 545)" sleep 0.2
    xdotool mousemove "$(px $mx 520)" "$(px $my 330)" sleep 1
    import -window root -crop "$(px 0 1900)x$(px 0 760)+$wx+$wy" "$extra/drag-with-chart.png"
    xdotool mouseup 1
    echo "saved $extra/drag-with-chart.png"
    xdotool windowfocus --sync "$chart" key Escape
    sleep 0.3

    # Two resistors, the second laid 5 pixels off the first: joined at both terminals by the
    # join window, which the calculation's walk does not read as a parallel pair.
    click_at "$mx" "$my" 772 56   # クリア
    enter_value 84 72 "抵抗値入力画面" 100 0
    enter_value 84 72 "抵抗値入力画面" 100 0
    drag 277 234 300 300
    drag 389 234 295 295
    click_at "$mx" "$my" 564 72   # 計算実行
    sleep 0.5
    import -window root -crop "$(px 0 856)x$height+$wx+$wy" "$extra/wired-check-mismatch.png"
    echo "saved $extra/wired-check-mismatch.png"
fi
