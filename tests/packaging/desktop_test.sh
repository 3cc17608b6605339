#!/usr/bin/env bash
# Installs into a temporary root and checks what the desktop reads about Selvoria: the desktop
# entry passes desktop-file-validate without a word, the AppStream metainfo passes appstreamcli
# together with the entry it launches, and the MIME package registers *.selvoria under the type
# the entry opens.
# Usage: desktop_test.sh <build dir>
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
id=org.selvoria.Selvoria
entry=$share/applications/$id.desktop
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

# Hints count too: "more than one main category" is one.
said=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed"
[[ -z $said ]] || fail "desktop-file-validate: $said"
grep -qx 'Exec=selvoria %f' "$entry" || fail "the entry does not pass a file to selvoria"
[[ $(grep -c '^Categories=' "$entry") == 1 ]] || fail "not one Categories line"

echo "appstreamcli validate-tree:"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli refused the metainfo"
metainfo=$share/metainfo/$id.metainfo.xml
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo launches no $id.desktop"

# The MIME database built from the package alone, as update-mime-database builds the system's.
mime=$root/mime
mkdir -p "$mime/packages"
cp "$share/mime/packages/$id.xml" "$mime/packages/"
update-mime-database "$mime" 2>/dev/null || fail "update-mime-database refused $id.xml"
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$entry")
[[ $type == application/x-selvoria ]] || fail "the entry opens \"$type\""
grep -qx "50:$type:\*.selvoria" "$mime/globs2" || fail "*.selvoria is not $type"
grep -qx "$type application/json" "$mime/subclasses" || fail "$type is no kind of JSON"

echo "$failures failed"
[[ $failures == 0 ]]
