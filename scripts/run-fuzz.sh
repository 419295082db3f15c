#!/bin/sh
# Fuzzes the radio.ini reader for $1 seconds (default 60) with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer. Fails on any crash or report.
set -e
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-60}
OUT=build/fuzz

if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ is missing: run scripts/install-deps.sh" >&2
    exit 1
fi
if ! clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a | grep -q /; then
    echo "clang's fuzzer runtime is missing (package libclang-rt-14-dev): run scripts/install-deps.sh" >&2
    exit 1
fi

mkdir -p "$OUT"
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
    tests/fuzz/settings_fuzz.cpp settings/settings_file.cpp -o "$OUT/settings_fuzz"

# The seed corpus is copied so that the inputs the run adds stay out of the tree.
rm -rf "$OUT/corpus"
cp -r tests/fuzz/corpus "$OUT/corpus"

LOG="$OUT/settings_fuzz.log"
status=0
(cd "$OUT" && ./settings_fuzz -max_total_time="$SECONDS_TO_RUN" -max_len=4096 \
    -print_final_stats=1 corpus) >"$LOG" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$LOG" | tail -n 1)
if [ "$status" -ne 0 ] || grep -q -e "ERROR: AddressSanitizer" -e "runtime error:" -e "deadly signal" "$LOG"; then
    tail -n 40 "$LOG" >&2
    echo "settings fuzzer FAILED (exit $status); log: $LOG" >&2
    exit 1
fi
echo "settings fuzzer: ${runs:-0} executions in ${SECONDS_TO_RUN} s, no failures"
