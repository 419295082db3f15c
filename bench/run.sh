#!/bin/sh
# `make bench`: measures tunrix-virtual.exe against the two minimal dialog
# programs under Wine on a private X display, in a fresh prefix where the
# driver is present. Set BENCH_IDLE_SECONDS to shorten the idle measure
# (default 60), BENCH_HOVER_SECONDS the pointer-on-a-button one (default 30)
# and BENCH_STARTS the start-ups of each program (default 15: single starts
# under Wine vary by tens of milliseconds). BENCH_COMPARE=<build dir> also
# starts that build's tunrix-virtual.exe in turn with the others, so two
# builds are compared under the same load.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
BUILD=${TUNRIX_BUILD:-$ROOT/build/i686}
BENCH=$BUILD/bench/bench.exe
MINIMAL=$BUILD/bench/minimal_dialog.exe
MINIMAL_DLLS=$BUILD/bench/minimal_dialog_dlls.exe
TUNRIX=$BUILD/ui/tunrix-virtual.exe
BEEP=$BUILD/ui/beep.wav
for f in "$BENCH" "$MINIMAL" "$MINIMAL_DLLS" "$TUNRIX" "$BEEP"; do
    [ -f "$f" ] || { echo "missing $f (run make i686)" >&2; exit 1; }
done

in_scratch_folder tunrix-bench

start_xvfb || exit 1
make_prefix "$TMP/prefix" || { echo "wineboot failed" >&2; exit 1; }
set_windows_version nt40
set_driver present
mkdir -p "$TMP/work" "$TMP/bin"
# The build puts beep.wav beside the program, where the sound is also looked
# for: the measured copy runs from a folder without it, so beep.wav is there
# only where a run puts it (its working folder).
cp "$TUNRIX" "$TMP/bin/"
COMPARE_ARG=""
if [ -n "${BENCH_COMPARE:-}" ]; then
    mkdir -p "$TMP/compare"
    cp "$BENCH_COMPARE/ui/tunrix-virtual.exe" "$TMP/compare/" || exit 1
    COMPARE_ARG="--compare=$(win_path "$TMP/compare/tunrix-virtual.exe")"
fi
echo "wine $(wine --version 2>/dev/null), $(uname -m), $(nproc) cores"
wine "$BENCH" "--tunrix=$(win_path "$TMP/bin/$(basename "$TUNRIX")")" \
    "--minimal=$(win_path "$MINIMAL")" "--minimal-dlls=$(win_path "$MINIMAL_DLLS")" \
    "--beep=$(win_path "$BEEP")" "--work=$(win_path "$TMP/work")" \
    "--idle-seconds=${BENCH_IDLE_SECONDS:-60}" "--hover-seconds=${BENCH_HOVER_SECONDS:-30}" \
    "--starts=${BENCH_STARTS:-15}" ${COMPARE_ARG:+"$COMPARE_ARG"} 2>&1 | tr -d '\r'
