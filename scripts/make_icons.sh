#!/usr/bin/env bash
# Renders the application icon packaging/icons/selvoria.svg into the PNG sizes of the hicolor
# theme, packaging/icons/selvoria-<size>.png. The PNGs are committed, so the build needs no SVG
# renderer; run this (it needs rsvg-convert, Debian's librsvg2-bin) after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "selvoria-$size.png" selvoria.svg
done
