#!/usr/bin/env bash
# Builds the Debian package and inspects what it installs and depends on.
# Usage: package_test.sh <build dir>
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
info=$(dpkg-deb -I "$deb")
contents=$(dpkg-deb -c "$deb")
depends=$(grep '^ Depends:' <<<"$info")
echo "$depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-ipafont-mincho qt6-translations-l10n \
              libqt6svg6; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done
for file in ./usr/bin/selvoria ./usr/lib/selvoria/selvoria ./usr/share/selvoria/抵抗.bmp \
            ./usr/share/applications/org.selvoria.Selvoria.desktop \
            ./usr/share/metainfo/org.selvoria.Selvoria.metainfo.xml \
            ./usr/share/mime/packages/org.selvoria.Selvoria.xml \
            ./usr/share/icons/hicolor/48x48/apps/selvoria.png; do
    grep -qF " $file" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
echo "package $(basename "$deb") is complete"
