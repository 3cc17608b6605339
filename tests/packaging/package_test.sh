#!/usr/bin/env bash
# Builds the Debian package, inspects what it installs and depends on, and runs Debian's own
# checks on it: lintian must find no error and no warning, and appstreamcli must accept the
# metainfo as the package installs it.
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
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 fonts-ipafont-mincho \
              qt6-translations-l10n libqt6svg6; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done
for file in ./usr/bin/selvoria ./usr/libexec/selvoria/selvoria \
            ./usr/libexec/selvoria/libselvoria_response.so ./usr/share/selvoria/抵抗.bmp \
            ./usr/share/applications/org.selvoria.Selvoria.desktop \
            ./usr/share/metainfo/org.selvoria.Selvoria.metainfo.xml \
            ./usr/share/mime/packages/org.selvoria.Selvoria.xml \
            ./usr/share/icons/hicolor/48x48/apps/selvoria.png \
            ./usr/share/man/man1/selvoria.1.gz ./usr/share/man/ja/man1/selvoria.1.gz \
            ./usr/share/doc/selvoria/copyright ./usr/share/doc/selvoria/changelog.gz; do
    grep -qF " $file" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done

echo "lintian:"
status=0
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$report" || true
[[ $status == 0 ]] || { echo "lintian found errors or warnings (status $status)"; exit 1; }

echo "appstreamcli:"
dpkg-deb -x "$deb" "$out/root"
appstreamcli validate-tree --no-net "$out/root"
echo "package $(basename "$deb") is complete and passes lintian and appstreamcli"
