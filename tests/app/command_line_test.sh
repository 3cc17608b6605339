#!/usr/bin/env bash
# Uses the program's command line as at a terminal without any display: --help and --version
# answer and end at once, a wrong command line is refused with status 2 and a Japanese message
# that names the argument, and Qt's own options with their values still reach Qt.
# Usage: command_line_test.sh <selvoria binary> <project version> <folder with the bitmaps>
set -euo pipefail
binary=$1 version=$2 assets=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$assets"
failures=0

# Each row: the exit status, a text standard output must contain ("-" for none at all), one
# standard error must contain ("-" for none at all), then the arguments.
rows=(
    "0|selvoria $version|-|--version"
    "0|使い方: selvoria [オプション] [図面ファイル]|-|--help"
    "0|--version|-|-h"
    "2|-|不明なオプションです: --frobnicate|--frobnicate"
    "2|-|不明なオプションです: -x|a.selvoria -x"
    "2|-|一つだけ|a.selvoria b.selvoria"
    "2|-|オプション -style には値が必要です|-style"
)
for row in "${rows[@]}"; do
    IFS='|' read -r want_status want_out want_err args <<<"$row"
    read -ra argv <<<"$args"
    status=0
    timeout 10 "$binary" "${argv[@]}" >"$out/stdout" 2>"$out/stderr" || status=$?
    problem=""
    [[ $status == "$want_status" ]] || problem+=" status $status, not $want_status;"
    if [[ $want_out == - ]]; then
        [[ ! -s $out/stdout ]] || problem+=" printed to standard output;"
    else
        grep -qF -- "$want_out" "$out/stdout" || problem+=" standard output lacks \"$want_out\";"
    fi
    if [[ $want_err == - ]]; then
        [[ ! -s $out/stderr ]] || problem+=" printed to standard error;"
    else
        grep -qF -- "$want_err" "$out/stderr" || problem+=" standard error lacks \"$want_err\";"
    fi
    if [[ -n $problem ]]; then
        echo "selvoria $args:$problem"
        sed 's/^/    | /' "$out/stdout" "$out/stderr"
        failures=$((failures + 1))
    fi
done

# An answer that cannot be written is no success.
status=0
"$binary" --version >/dev/full 2>"$out/stderr" || status=$?
if [[ $status != 1 || ! -s $out/stderr ]]; then
    echo "--version into a full disk: status $status"
    failures=$((failures + 1))
fi

# With Qt's options the window starts: "-platform offscreen" gives Qt a screen where none exists,
# which only works if the option reached Qt; the program then runs until it is stopped.
for args in "-platform offscreen -style fusion" "--platform offscreen -style=fusion a.selvoria" \
            "-reverse -platform offscreen"; do
    read -ra argv <<<"$args"
    status=0
    timeout 3 "$binary" "${argv[@]}" >"$out/stdout" 2>"$out/stderr" || status=$?
    if [[ $status != 124 ]]; then
        echo "selvoria $args: ended with status $status instead of running"
        sed 's/^/    | /' "$out/stderr"
        failures=$((failures + 1))
    fi
done

echo "$failures failed"
[[ $failures == 0 ]]
