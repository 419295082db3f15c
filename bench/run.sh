#!/bin/sh
# `make bench`: measures tunrix-virtual.exe against the minimal dialog program
# under Wine on a private X display, in a fresh prefix where the driver is
# present. Set BENCH_IDLE_SECONDS to shorten the idle measure (default 60).
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
BUILD=${TUNRIX_BUILD:-$ROOT/build/i686}
BENCH=$BUILD/bench/bench.exe
MINIMAL=$BUILD/bench/minimal_dialog.exe
TUNRIX=$BUILD/ui/tunrix-virtual.exe
for f in "$BENCH" "$MINIMAL" "$TUNRIX"; do
    [ -f "$f" ] || { echo "missing $f (run make i686)" >&2; exit 1; }
done

TMP=$(mktemp -d /tmp/tunrix-bench.XXXXXX)
XVFB_PID=""
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb || exit 1
make_prefix "$TMP/prefix" || { echo "wineboot failed" >&2; exit 1; }
set_windows_version nt40
set_driver present
mkdir -p "$TMP/work"
echo "wine $(wine --version 2>/dev/null), $(uname -m), $(nproc) cores"
wine "$BENCH" "--tunrix=$(win_path "$TUNRIX")" "--minimal=$(win_path "$MINIMAL")" \
    "--work=$(win_path "$TMP/work")" "--idle-seconds=${BENCH_IDLE_SECONDS:-60}" 2>&1 | tr -d '\r'
