#!/usr/bin/env bash
# clang-tidy over the program's sources with the project's .clang-tidy, on the compile commands
# of the given build; prints the findings and fails on any.
# Usage: scripts/tidy.sh <build dir>
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
find model engine app editor dialogs results -name '*.cpp' | sort |
    xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
