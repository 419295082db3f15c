#!/bin/sh
# Runs the end-to-end tests: the driver (build/i686/tests/e2e/e2e.exe) drives
# the real Win32 programs under Wine on a private X display, one group of
# tests per Windows version and driver state. Prints the totals; fails when
# any test fails or a program is missing. E2E_FILTER=TEXT runs only the tests
# whose names hold TEXT; E2E_SHOTS=DIR keeps the tests' screenshots there.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
BUILD=${TUNRIX_BUILD:-$ROOT/build/i686}
DRIVER=$BUILD/tests/e2e/e2e.exe
STANDIN=$BUILD/tests/e2e/e2e_standin.exe
TUNRIX=$BUILD/ui/tunrix-virtual.exe
TONECHECK=$BUILD/tonecheck/tonecheck-virtual.exe
BEEP=$BUILD/ui/beep.wav

if [ ! -f "$DRIVER" ]; then
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" >/dev/null &&
        cmake --build "$BUILD" -j2 >/dev/null || exit 1
fi

TMP=$(mktemp -d /tmp/tunrix-e2e.XXXXXX)
XVFB_PID=""
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ "${KEEP_E2E:-0}" = 1 ] && echo "kept $TMP" || rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
start_xvfb || exit 1
make_prefix "$TMP/prefix" || { echo "wineboot failed" >&2; exit 1; }
# No window manager runs on the private display. Windows handed to one would
# make Wine wait two seconds for its answer at every hide and close (each
# dialog, each exit); left to Wine they close at once and get Wine's frames.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
mkdir -p "$TMP/work"

PASSED=0
FAILED=0
PROBLEMS=""

# run_group GROUP: runs the driver's tests of GROUP and adds up its totals.
run_group() {
    group=$1
    echo "=== $group ($(date +%T))"
    timeout 300 wine "$DRIVER" "$group" \
        "--work=$(win_path "$TMP/work")" \
        "--standin=$(win_path "$STANDIN")" \
        "--tunrix=$(win_path "$TUNRIX")" \
        "--tonecheck=$(win_path "$TONECHECK")" \
        "--beep=$(win_path "$BEEP")" \
        ${E2E_FILTER:+"--filter=$E2E_FILTER"} \
        ${E2E_SHOTS:+"--shots=$(win_path "$E2E_SHOTS")"} >"$TMP/$group.out" 2>&1
    status=$?
    tr -d '\r' <"$TMP/$group.out"
    totals=$(tr -d '\r' <"$TMP/$group.out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)
    if [ -z "$totals" ]; then
        echo "group $group ended without totals (status $status)"
        FAILED=$((FAILED + 1))
        PROBLEMS="$PROBLEMS $group"
        return
    fi
    PASSED=$((PASSED + ${totals%% passed*}))
    f=${totals#*, }
    FAILED=$((FAILED + ${f%% failed}))
    [ "$status" -ne 0 ] && PROBLEMS="$PROBLEMS $group"
}

# require FILE NAME: a missing program counts as one failure of its groups.
missing=0
require() {
    if [ ! -f "$1" ]; then
        echo "missing $2: $1 (not built yet?)"
        missing=1
    fi
}
require "$TUNRIX" tunrix-virtual.exe
require "$TONECHECK" tonecheck-virtual.exe

# Windows NT 4.0 without the giveio driver.
set_windows_version nt40
set_driver absent
run_group harness
if [ $missing = 0 ]; then
    run_group nodriver
    # With the driver, per Windows version.
    set_driver present
    run_group nt40
    run_group everyday
    # Options, scheduler and sleep timer; waits for real minutes.
    run_group timed
    set_windows_version nt351
    run_group nt351
    run_group everyday-nt351
    run_group timed-nt351
    set_windows_version win98
    run_group win98
else
    FAILED=$((FAILED + 1))
    PROBLEMS="$PROBLEMS missing-programs"
fi

echo "=== Wine suite took $(( $(date +%s) - started )) s"
# E2E_SHOTS=DIR (an absolute path): the screenshots the tests took, as PNG files.
if [ -n "${E2E_SHOTS:-}" ] && command -v convert >/dev/null 2>&1; then
    for shot in "$E2E_SHOTS"/*.bmp; do
        [ -f "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
    done
fi
[ -n "$PROBLEMS" ] && echo "groups with failures:$PROBLEMS"
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ] && [ -z "$PROBLEMS" ]
