#!/usr/bin/env bash
# Installs into a temporary prefix and starts the installed launcher on a virtual screen until
# its window appears, with the icon in every size the window manager is given; then opens the
# frequency response window, whose library the program loads from beside itself only then.
# Usage: install_test.sh <build dir>
set -euo pipefail
build=$1

if [[ -z "${SELVORIA_INSIDE_XVFB:-}" ]]; then
    export SELVORIA_INSIDE_XVFB=1
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

icons=()
for size in 16 32 48 64 128 256; do
    icons+=("share/icons/hicolor/${size}x$size/apps/selvoria.png")
done
for file in bin/selvoria libexec/selvoria/selvoria libexec/selvoria/libselvoria_response.so \
            share/selvoria/抵抗.bmp \
            share/selvoria/Dragインピーダンス.bmp share/applications/org.selvoria.Selvoria.desktop \
            share/metainfo/org.selvoria.Selvoria.metainfo.xml \
            share/mime/packages/org.selvoria.Selvoria.xml \
            "${icons[@]}" share/icons/hicolor/scalable/apps/selvoria.svg; do
    [[ -e "$prefix/$file" ]] || { echo "not installed: $file"; exit 1; }
done

# Started from elsewhere, the launcher must still find the bitmaps.
cd /
"$prefix/bin/selvoria" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Selvoria　Ｖｅｒ．１．２$" | head -n 1)
[[ -n "$window" ]] || { echo "the installed program showed no window"; exit 1; }
[[ "$(readlink "/proc/$pid/cwd")" == "$prefix/share/selvoria" ]] ||
    { echo "not started in the bitmaps' folder"; exit 1; }
# The window manager gets the icon in every size it was drawn for (xprop reads only the first
# kilobytes of a property unless told otherwise).
given=$(xprop -len 10000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' |
    sed 's/Icon (\([0-9]*\) x [0-9]*)/\1/' | tr '\n' ' ')
[[ $given == "16 32 48 64 128 256 " ]] || { echo "window icon sizes: $given"; exit 1; }
charts() { grep -c libQt6Charts "/proc/$pid/maps" || true; }
[[ $(charts) == 0 ]] || { echo "Qt Charts was loaded before the window needing it opened"; exit 1; }
# "表示" opens on Alt+V with its first command, "周波数特性...", selected (there is no window
# manager to hand the window the focus).
xdotool windowfocus --sync "$window" key alt+v sleep 0.3 key Return
response=$(timeout 30 xdotool search --sync --onlyvisible --name "^周波数特性$" | head -n 1)
[[ -n "$response" ]] || { echo "the frequency response window did not open"; exit 1; }
[[ $(charts) != 0 ]] || { echo "the frequency response window opened without Qt Charts"; exit 1; }
kill "$pid"
echo "installed and started from $prefix"
