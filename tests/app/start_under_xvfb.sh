#!/usr/bin/env bash
# Runs the real program on a virtual screen as a user would: waits for its window by title,
# saves a screenshot, places a resistor, drags it with the mouse and checks on screen that the
# symbol left its palette place and stands at the new one, then presses "終了" and requires the
# program to end by itself.
# Usage: start_under_xvfb.sh <selvoria binary> <folder with the bitmaps> <screenshot.png>
set -euo pipefail
binary=$1 assets=$2 shot=$3

if [[ -z "${SELVORIA_INSIDE_XVFB:-}" ]]; then
    export SELVORIA_INSIDE_XVFB=1
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

fail() { echo "$*"; exit 1; }
find_window() { timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
origin_of() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^[XY]=/ {printf "%s ", $2}'; }
# Top-left corner of the main window's client area, which lies below the menu bar, is 555
# pixels tall and ends above the status bar, 24 pixels tall.
client_origin_of() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} /^HEIGHT=/ {h = $2} END {print x, y + h - 555 - 24}'
}
# Fraction of pure white pixels in a rectangle of the screenshot: the part symbols are drawn on
# white, the window's background is grey.
white_share() {
    convert "$1" -crop "$2" +repage -fill black +opaque white -format '%[fx:mean]' info:
}

cd "$assets"
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(find_window "Selvoria　Ｖｅｒ．１．２")
[[ -n "$main" ]] || fail "the main window did not appear"
read -r mx my <<<"$(client_origin_of "$main")"
sleep 0.5
import -window root "$shot"

# "抵抗" opens the resistance dialog; its "閉じる" places the resistor at its palette slot.
xdotool mousemove $((mx + 24 + 24 + 36)) $((my + 16 + 40 + 16)) click 1
dialog=$(find_window "抵抗値入力画面")
[[ -n "$dialog" ]] || fail "the resistance dialog did not appear"
read -r dx dy <<<"$(origin_of "$dialog")"
xdotool mousemove $((dx + 40 + 48)) $((dy + 108 + 16)) click 1
sleep 0.5
import -window root /tmp/selvoria-placed.png
placed=$(white_share /tmp/selvoria-placed.png "60x30+$((mx + 240))+$((my + 216))")

# Press on the symbol, move over the bare background in a few steps, release.
xdotool mousemove $((mx + 277)) $((my + 234)) mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove $((mx + 277 + step * 60)) $((my + 234 + step * 55))
    sleep 0.1
done
xdotool mousemove $((mx + 517)) $((my + 454)) sleep 0.2 mouseup 1
sleep 0.5
import -window root /tmp/selvoria-dragged.png
kill -0 "$pid" 2>/dev/null || fail "the program ended during the drag"
left=$(white_share /tmp/selvoria-dragged.png "60x30+$((mx + 240))+$((my + 216))")
moved=$(white_share /tmp/selvoria-dragged.png "60x30+$((mx + 517))+$((my + 454))")
echo "white share: placed $placed, old place $left, new place $moved"
awk -v p="$placed" -v l="$left" -v m="$moved" 'BEGIN { exit !(p > 0.5 && l < 0.05 && m > 0.5) }' ||
    fail "the resistor was not drawn where it was dragged"

# "終了" sits in the frame at the top right: frame (720,16) + button (16,64) + half its size.
xdotool mousemove $((mx + 772)) $((my + 96)) click 1
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        trap - EXIT
        echo "ended with status $status; screenshot in $shot"
        exit "$status"
    fi
    sleep 0.1
done
fail "the program did not end after 終了 was pressed"
