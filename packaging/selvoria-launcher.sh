#!/bin/sh
# Starts Selvoria in the folder that holds its part bitmaps: the program reads them from its
# working directory. Paths are found relative to this script, so any install prefix works.
here=$(dirname "$(readlink -f "$0")")
cd "$here/../share/selvoria" || exit 1
exec "$here/../lib/selvoria/selvoria" "$@"
