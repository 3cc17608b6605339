#!/usr/bin/env bash
# Start-up cost of Selvoria beside a bare Qt window of the same size: each probe starts, shows
# its window, paints it once and ends. The two run in turn, RUNS times each, on the offscreen
# platform and then on a virtual X screen; the medians of the wall time (start to exit, the
# exit following the first paint at once) and of the peak resident memory (GNU time's %M) are
# printed with their ratios. Figures only: nothing here passes or fails on a number.
# Usage: bench/startup_compare.sh [build dir] [runs]     (default build/default, 21)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/default}" && pwd)
runs=${2:-21}
program=$build/bench/startup_probe
bare=$build/bench/bare_window_probe
for probe in "$program" "$bare"; do
    [[ -x "$probe" ]] || { echo "missing $probe: build the benchmarks first" >&2; exit 1; }
done
[[ -x /usr/bin/time ]] || { echo "GNU time is missing: run scripts/setup.sh" >&2; exit 1; }

# The program reads its bitmaps from the working directory; Qt wants a private runtime folder.
cd "$root/assets"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Prints "milliseconds peak-kilobytes" for one start of the command given.
one_run() {
    local start end
    start=$EPOCHREALTIME
    "$@" >/dev/null
    end=$EPOCHREALTIME
    /usr/bin/time -f %M -o "$runtime/peak" "$@" >/dev/null
    awk -v s="$start" -v e="$end" -v m="$(cat "$runtime/peak")" \
        'BEGIN { printf "%.2f %d\n", (e - s) * 1000, m }'
}

compare() {
    local platform=$1 size
    export QT_QPA_PLATFORM=$platform
    size=$("$program")  # also warms the file cache for both
    "$bare" "$size" >/dev/null
    : >"$runtime/program" && : >"$runtime/bare"
    for _ in $(seq "$runs"); do
        one_run "$program" >>"$runtime/program"
        one_run "$bare" "$size" >>"$runtime/bare"
    done
    local pt pm bt bm
    pt=$(cut -d' ' -f1 "$runtime/program" | median)
    pm=$(cut -d' ' -f2 "$runtime/program" | median)
    bt=$(cut -d' ' -f1 "$runtime/bare" | median)
    bm=$(cut -d' ' -f2 "$runtime/bare" | median)
    awk -v p="$platform" -v s="$size" -v n="$runs" -v pt="$pt" -v pm="$pm" -v bt="$bt" -v bm="$bm" \
        'BEGIN {
            printf "%s, window %s, median of %d starts each\n", p, s, n
            printf "  %-22s %8.1f ms %8d KiB\n", "Selvoria", pt, pm
            printf "  %-22s %8.1f ms %8d KiB\n", "bare Qt window", bt, bm
            printf "  %-22s %8.2f x  %8.2f x\n", "ratio", pt / bt, pm / bm
        }'
}

if [[ -z "${SELVORIA_INSIDE_XVFB:-}" ]]; then
    compare offscreen
    if command -v xvfb-run >/dev/null; then
        SELVORIA_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$root/bench/startup_compare.sh" "$build" "$runs"
    fi
else
    compare xcb
fi
