#!/usr/bin/env bash
# clang-tidy over the program's sources with the project's .clang-tidy, on the compile commands
# of the given build; prints the findings and fails on any.
# Usage: scripts/tidy.sh <build dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
# Debian 12's clang-tidy 14 crashes (segmentation fault while parsing, whatever checks are
# enabled) on this file; it is left out until a newer clang-tidy reads it.
skipped=(app/DrawingFile.cpp)
# It has also crashed now and then on files it reads cleanly on the next run: a file whose
# clang-tidy dies of a signal is read once more, and a second crash fails the check.
tidy_one() {
    clang-tidy -p "$build" --quiet "$1" 2>/dev/null && return 0
    local status=$?
    ((status > 128)) || return 1
    echo "clang-tidy crashed on $1 (status $status); reading it again" >&2
    clang-tidy -p "$build" --quiet "$1" 2>/dev/null || return 1
}
export -f tidy_one
export build
find model engine measurement fit text toolkit editor dialogs results following response help app -name '*.cpp' | sort | grep -vxF "${skipped[@]/#/-e}" |
    xargs -P "$(nproc)" -n 1 bash -c 'tidy_one "$0"'
