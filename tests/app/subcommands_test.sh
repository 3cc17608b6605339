#!/usr/bin/env bash
# The commands that need no window, used as at a terminal without any display: what they write,
# their exit status (0, 1 for a refused file with the reason on standard error, 2 for a wrong
# command line), and Touchstone and Kramers-Kronig results against values worked out here.
# Usage: subcommands_test.sh <selvoria binary> <source root>
set -euo pipefail
binary=$1 root=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() {
    echo "$*"
    sed 's/^/    | /' out err 2>/dev/null | head -20
    failures=$((failures + 1))
}
run() {
    status=0
    timeout 30 "$binary" "$@" >out 2>err || status=$?
}

# S11 = 0, 0.5 and -0.5 against 50 Ω: Z = 50 (1 + S) / (1 - S) = 50, 150 and 50/3 Ω.
printf '! three points\n# Hz S RI R 50\n1000 0 0\n2000 0.5 0\n3000 -0.5 0\n' >s.s1p
run convert s.s1p
[[ $status == 0 ]] || fail "convert s.s1p: status $status"
expected=$'frequency_Hz,re_ohm,im_ohm\n1000,50,0\n2000,150,0\n3000,16.666666666666668,0'
[[ $(cat out) == "$expected" ]] || fail "convert s.s1p: not Z = 50 (1 + S)/(1 - S)"
# And back: the CSV read as Z and written as S11 gives the file's S again.
cp out z.csv
run convert z.csv --format s1p
cp out back.s1p
run convert back.s1p
paste -d, z.csv out | awk -F, 'NR > 1 { for (i = 1; i <= 3; i++) {
        d = $i - $(i + 3); if (d < 0) d = -d; if (d > 1e-12 * (1 + ($i < 0 ? -$i : $i))) bad = 1 } }
    END { exit bad }' || fail "convert to s1p and back: not the same Z"

# A resistor of 10 Ω in series with 100 Ω parallel to 1 µF, 60 points over 1 Hz to 1 MHz, with
# 0.2 % noise; then the same with a drift of 30 % over the sweep.
rc_data() {
    awk -v drift="$1" 'BEGIN {
        srand(7); n = 60; print "frequency,re,im";
        for (i = 0; i < n; i++) {
            f = 10 ^ (6 * i / (n - 1)); w = 2 * 3.141592653589793 * f; x = w * 100 * 1e-6;
            re = 10 + 100 / (1 + x * x); im = -100 * x / (1 + x * x);
            m = sqrt(re * re + im * im); k = 1 + drift * i / (n - 1);
            printf "%.12g,%.12g,%.12g\n", f, k * re + 0.002 * m * (rand() - 0.5) * 2,
                   k * im + 0.002 * m * (rand() - 0.5) * 2 }
    }'
}
rc_data 0 >valid.csv
rc_data 0.3 >drifted.csv
run kk valid.csv drifted.csv --json
[[ $status == 0 ]] || fail "kk: status $status"
grep -q '^{"file":"valid.csv","points":60,"elements":[0-9]*,"verdict":"valid",' out ||
    fail "kk: valid.csv is not valid"
grep -q '^{"file":"drifted.csv","points":60,.*"verdict":"invalid",' out ||
    fail "kk: drifted.csv is not invalid"
grep -q '"maxResidualPercent":[0-9.e-]*,"rmsResidualPercent":[0-9.e-]*' out ||
    fail "kk: no residuals"

# The documented drawing, a 100 Ω resistor, swept as the window's CSV export writes it.
awk '/^```json$/ { inside = 1; next } inside && /^```$/ { exit } inside' \
    "$root/docs/drawing-file.md" >r.selvoria
run sweep r.selvoria --from 10 --to 1e6 --points 5
[[ $status == 0 ]] || fail "sweep: status $status"
[[ $(head -1 out) == frequency_Hz,re_ohm,im_ohm,abs_ohm,phase_deg && $(wc -l <out) == 6 ]] ||
    fail "sweep: not the window's columns or not 5 rows"
grep -q '^1e+06,100,0,100,0$' out || fail "sweep: the last row is not 1 MHz, 100 Ω"

# The resistor's value fitted back from its own sweep, starting from 30 Ω; the fitted drawing
# saved with the value and its label.
run sweep r.selvoria --from 10 --to 1e6 --points 20
cp out swept.csv
sed 's/"value": 100/"value": 30/' r.selvoria >r30.selvoria
run fit r30.selvoria swept.csv --json --save fitted.selvoria
[[ $status == 0 ]] || fail "fit: status $status"
grep -q '^{"file":"swept.csv","converged":true,"chi2PerDof":[0-9.e+-]*,"rmsResidualPercent":' out &&
    grep -q '"parts":\[{"name":"Picture1","kind":"R","value":[0-9.e+-]*,"stdErr":[0-9.e+-]*}\]}$' out ||
    fail "fit: not one converged object with Picture1"
value=$(grep -o '"value":[0-9.e+-]*' out | cut -d: -f2)
awk -v v="$value" 'BEGIN { exit !(v > 99.9999 && v < 100.0001) }' || fail "fit: R = $value, not 100"
grep -q '" 100Ω"' fitted.selvoria && grep -Eq '"value": (99\.9999|100)' fitted.selvoria ||
    fail "fit --save: the drawing does not hold 100 Ω"

# Refusals. Each row: the status, a text standard error must contain, then the arguments.
printf 'f,re,im\n1,1,0\n2,nan,0\n' >nan.csv
rows=(
    "1|missing.csv|kk missing.csv"
    "1|nan.csv: 3 行目|convert nan.csv"
    "1|missing.selvoria|sweep missing.selvoria --from 1 --to 2 --points 2"
    "2|--from を指定してください|sweep r.selvoria --to 2 --points 2"
    "2|--to は --from より大きい|sweep r.selvoria --from 2 --to 1 --points 2"
    "2|--points は 2〜1000000 の整数です|sweep r.selvoria --from 1 --to 2 --points 2.5"
    "2|--format は csv か s1p です|convert s.s1p --format xml"
    "2|データファイルを一つ|convert s.s1p s.s1p"
    "2|データファイルを指定してください|kk"
    "2|不明なオプションです: --frobnicate|kk --frobnicate s.s1p"
    "1|missing.csv|fit r30.selvoria missing.csv"
    "2|図面ファイルと測定データを指定してください|fit r30.selvoria"
    "2|--weight は modulus、unit、proportional のどれかです|fit r30.selvoria swept.csv --weight heavy"
    "2|--free に抵抗・コイル・コンデンサ以外の名前があります|fit r30.selvoria swept.csv --free Picture16"
    "2|--save は測定データが一つのときだけ|fit r30.selvoria swept.csv swept.csv --save x.selvoria"
)
for row in "${rows[@]}"; do
    IFS='|' read -r want_status want_err args <<<"$row"
    read -ra argv <<<"$args"
    run "${argv[@]}"
    [[ $status == "$want_status" ]] || fail "selvoria $args: status $status, not $want_status"
    grep -qF -- "$want_err" err || fail "selvoria $args: standard error lacks \"$want_err\""
done
# A refused file among good ones: the good ones are still checked, the status is 1.
run kk missing.csv valid.csv
[[ $status == 1 ]] && grep -q '^valid.csv: 有効' out || fail "kk with one refused file"

# An answer that cannot be written is no success.
status=0
"$binary" convert s.s1p >/dev/full 2>err || status=$?
[[ $status == 1 ]] || fail "convert into a full disk: status $status"

[[ $failures == 0 ]] && echo "every command answered as it should"
exit $((failures > 0))
