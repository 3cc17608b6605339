#!/usr/bin/env bash
# Starts Selvoria in the folder that holds its part bitmaps: the program reads them from its
# working directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display available; start it under a virtual one: xvfb-run -a -s \"-screen 0 1280x1024x24\" make run" >&2
    exit 1
fi
cd "$root/assets"
exec "$root/build/default/app/selvoria"
