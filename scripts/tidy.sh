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
find model engine measurement fit text toolkit editor dialogs results following response help app -name '*.cpp' | sort | grep -vxF "${skipped[@]/#/-e}" |
    xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2>/dev/null
