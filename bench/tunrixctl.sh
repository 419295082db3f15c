#!/bin/sh
# How long `tunrixctl tune` takes beyond the card's own 200 ms: the median wall
# time of RUNS (default 21) runs on the virtual card, natively and under Wine
# (with a running wineserver, so its start is not counted), from process start
# to exit, settings load and save included.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
CTL=$ROOT/build/native/tunrixctl/tunrixctl
EXE=$ROOT/build/i686/tunrixctl/tunrixctl.exe
RUNS=${RUNS:-21}
for f in "$CTL" "$EXE"; do
    [ -f "$f" ] || { echo "missing $f (run make native i686)" >&2; exit 1; }
done
in_scratch_folder tunrixctl-bench
cd "$TMP"
cp "$ROOT/package/radio.ini" radio.ini

# median_ms COMMAND...: runs it RUNS times, prints the median in ms (1 decimal).
median_ms() {
    i=0
    : >"$TMP/times"
    while [ $i -lt "$RUNS" ]; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>"$TMP/times"
        i=$((i + 1))
    done
    sort -n "$TMP/times" | awk -v n="$RUNS" 'NR == int((n + 1) / 2) { printf "%.1f", $1 / 1000 }'
}

native=$(median_ms "$CTL" -q --ini radio.ini --card virtual tune 101.1)
start_xvfb >/dev/null && make_prefix "$TMP/prefix" || { echo "wineboot failed" >&2; exit 1; }
wineserver -p
wine "$EXE" --version >/dev/null 2>&1
wine=$(median_ms wine "$EXE" -q --card virtual tune 101.1)
echo "tunrixctl tune (virtual card, median of $RUNS runs, the card's wait is 200 ms):"
echo "  native:     $native ms  (200 ms + $(echo "$native" | awk '{ printf "%.1f", $1 - 200 }') ms)"
echo "  under Wine: $wine ms  (200 ms + $(echo "$wine" | awk '{ printf "%.1f", $1 - 200 }') ms)"
