#!/usr/bin/env bash
# Installs into a temporary prefix, validates the desktop entry, and starts the installed
# launcher on a virtual screen until its window appears.
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

for file in bin/selvoria lib/selvoria/selvoria share/selvoria/抵抗.bmp \
            share/selvoria/Dragインピーダンス.bmp share/applications/selvoria.desktop \
            share/icons/hicolor/48x48/apps/selvoria.png share/icons/hicolor/scalable/apps/selvoria.svg; do
    [[ -e "$prefix/$file" ]] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/selvoria.desktop"

# Started from elsewhere, the launcher must still find the bitmaps.
cd /
"$prefix/bin/selvoria" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Selvoria　Ｖｅｒ．１．２$" | head -n 1)
[[ -n "$window" ]] || { echo "the installed program showed no window"; exit 1; }
[[ "$(readlink "/proc/$pid/cwd")" == "$prefix/share/selvoria" ]] ||
    { echo "not started in the bitmaps' folder"; exit 1; }
kill "$pid"
echo "installed, validated and started from $prefix"
