#!/usr/bin/env bash
# Starts the real program on a virtual screen, waits for its window by title, saves a
# screenshot, presses "終了" with the mouse and requires the program to end by itself.
# Usage: start_under_xvfb.sh <selvoria binary> <folder with the bitmaps> <screenshot.png>
set -euo pipefail
binary=$1 assets=$2 shot=$3

if [[ -z "${SELVORIA_INSIDE_XVFB:-}" ]]; then
    export SELVORIA_INSIDE_XVFB=1
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cd "$assets"
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Selvoria　Ｖｅｒ．１．２$" | head -n 1)
[[ -n "$window" ]] || { echo "the main window did not appear"; exit 1; }
sleep 1
import -window root "$shot"

# "終了" sits in the frame at the top right: frame (720,16) + button (16,64) + half its size.
xdotool mousemove --window "$window" 772 96 click 1
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        trap - EXIT
        echo "ended with status $status; screenshot in $shot"
        exit "$status"
    fi
    sleep 0.1
done
echo "the program did not end after 終了 was pressed"
exit 1
