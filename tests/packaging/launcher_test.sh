#!/usr/bin/env bash
# Checks the installed launcher as a user starts it from a folder of their own: the program runs
# in the folder of its bitmaps, a drawing named relative to the user's folder reaches it as an
# absolute path, and options and their values reach it untouched. The installed program is
# replaced by a stand-in that writes down its working directory and arguments.
# Usage: launcher_test.sh <build dir> <source dir>
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher=$prefix/bin/selvoria
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

# The real program first: through the launcher and without a display, --version answers.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$launcher" --version) ||
    fail "selvoria --version failed"
[[ $version == "selvoria "* ]] || fail "selvoria --version printed \"$version\""

cat >"$prefix/libexec/selvoria/selvoria" <<'STAND_IN'
#!/bin/sh
{ pwd; for arg in "$@"; do printf '%s\n' "$arg"; done; } >"$SELVORIA_ARGV_LOG"
STAND_IN
export SELVORIA_ARGV_LOG=$work/argv
# A folder name with a blank and Japanese letters, as a user's may have.
start="$work/図面 フォルダ"
mkdir -p "$start"
cd "$start"

# check "given|arguments" "expected|arguments": "@" in the expected ones stands for the folder
# the command is given in.
check() {
    local given expected
    IFS='|' read -ra given <<<"$1"
    IFS='|' read -ra expected <<<"${2//@/$start}"
    rm -f "$SELVORIA_ARGV_LOG"
    "$launcher" "${given[@]}" || { fail "selvoria $1: the launcher failed"; return; }
    [[ -f $SELVORIA_ARGV_LOG ]] || { fail "selvoria $1: the program did not start"; return; }
    local received got want
    mapfile -t received <"$SELVORIA_ARGV_LOG"
    got=$(printf ' [%s]' "${received[@]}")
    want=$(printf ' [%s]' "$prefix/share/selvoria" "${expected[@]}")
    [[ $got == "$want" ]] || fail "selvoria $1: the program got$got, not$want"
}

check "" ""
check "drawing.selvoria" "@/drawing.selvoria"
check "sub/a b.selvoria" "@/sub/a b.selvoria"
check "../up.selvoria" "@/../up.selvoria"
check "/somewhere/else.selvoria" "/somewhere/else.selvoria"
check "--help" "--help"
check "-style|fusion|d.selvoria" "-style|fusion|@/d.selvoria"
check "d.selvoria|--platform|offscreen" "@/d.selvoria|--platform|offscreen"
check "-style=fusion|-reverse|d.selvoria" "-style=fusion|-reverse|@/d.selvoria"
check "-qwindowtitle|回路|図面.selvoria" "-qwindowtitle|回路|@/図面.selvoria"
check "--|-odd.selvoria|--help" "--|@/-odd.selvoria|@/--help"
check "--frobnicate|d.selvoria" "--frobnicate|@/d.selvoria"

# Every Qt option that takes a value: the launcher knows the same ones as the program, and passes
# the value on as it is.
from_program=$(sed -n '/kQtOptionsWithValue = {/,/};/p' "$source/app/CommandLine.cpp" |
    grep -o '"[a-z]*"' | tr -d '"' | sort)
# shellcheck disable=SC2016 # the pattern is the launcher's own text
from_launcher=$(sed -n '/case "${name#-}" in/,/)$/p' "$launcher" | sed '1d' | tr -d '\\|)' |
    tr -s ' ' '\n' | grep -v '^$' | sort)
[[ -n $from_program && $from_program == "$from_launcher" ]] ||
    fail "options with a value: program [$(tr '\n' ' ' <<<"$from_program")]," \
        "launcher [$(tr '\n' ' ' <<<"$from_launcher")]"
for option in $from_program; do
    check "-$option|value.selvoria|d.selvoria" "-$option|value.selvoria|@/d.selvoria"
done

# The commands without a window run in the folder they are given in, their arguments as they are.
for given in "kk|data.csv|--json" "convert|sub/a b.s1p|--format|csv" \
             "sweep|d.selvoria|--from|1|--to|2|--points|2"; do
    IFS='|' read -ra argv <<<"$given"
    rm -f "$SELVORIA_ARGV_LOG"
    "$launcher" "${argv[@]}" || { fail "selvoria $given: the launcher failed"; continue; }
    mapfile -t received <"$SELVORIA_ARGV_LOG"
    got=$(printf ' [%s]' "${received[@]}")
    want=$(printf ' [%s]' "$start" "${argv[@]}")
    [[ $got == "$want" ]] || fail "selvoria $given: the program got$got, not$want"
done

echo "$failures failed"
[[ $failures == 0 ]]
