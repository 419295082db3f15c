#!/bin/sh
# `make demo`: runs tunrix-virtual.exe on the virtual card under Wine, in a
# prefix where the giveio driver is present, with the working folder demo/
# (radio.ini, beep.wav, card.log). With a display it shows a Wine desktop
# (so the tray is visible) and prints card.log live until the program ends.
# Without one it runs on a private Xvfb, saves demo/screenshot.png and ends.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
BUILD=${TUNRIX_BUILD:-$ROOT/build/i686}
TUNRIX=$BUILD/ui/tunrix-virtual.exe
DEMO=$ROOT/demo
PREFIX=${TUNRIX_DEMO_PREFIX:-${HOME:-/tmp}/.cache/tunrix-demo/prefix}
DESKTOP=Tunrix

[ -f "$TUNRIX" ] || { echo "missing $TUNRIX (run make i686)" >&2; exit 1; }
mkdir -p "$DEMO"
[ -f "$DEMO/radio.ini" ] || cp "$ROOT/tests/data/radio.ini" "$DEMO/radio.ini"
[ -f "$BUILD/ui/beep.wav" ] && cp "$BUILD/ui/beep.wav" "$DEMO/beep.wav"
touch "$DEMO/card.log"

XVFB_PID=""
WINE_PID=""
TAIL_PID=""
cleanup() {
    [ -n "$TAIL_PID" ] && kill "$TAIL_PID" 2>/dev/null
    [ -n "$WINE_PID" ] && kill "$WINE_PID" 2>/dev/null
    [ -n "${WINEPREFIX:-}" ] && [ -n "$XVFB_PID" ] && wineserver -k >/dev/null 2>&1
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM

headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    start_xvfb || exit 1
fi

if [ -f "$PREFIX/system.reg" ]; then
    WINEPREFIX=$PREFIX WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES
else
    echo "Preparing a Wine prefix in $PREFIX (once) ..."
    mkdir -p "$PREFIX"
    make_prefix "$PREFIX" || { echo "wineboot failed" >&2; exit 1; }
    set_windows_version winxp
    # Taskbar and notification area on the named virtual desktop.
    wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$DESKTOP" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    wineserver -w
fi
set_driver present

cd "$DEMO" || exit 1
echo "card.log of this run ($DEMO/card.log):"
tail -n 0 -f card.log &
TAIL_PID=$!
wine explorer "/desktop=$DESKTOP,640x480" "$(win_path "$TUNRIX")" >/dev/null 2>&1 &
WINE_PID=$!

if [ $headless = 0 ]; then
    wait "$WINE_PID"
    WINE_PID=""
    wineserver -w
    sleep 0.3
    exit 0
fi

# No display: wait for the Wine desktop and the program's first paint, then
# take a picture of the desktop and end.
desktop=""
i=0
while [ -z "$desktop" ] && [ $i -lt 150 ]; do
    sleep 0.2
    desktop=$(xdotool search --name "^$DESKTOP - Wine desktop\$" 2>/dev/null | head -n 1)
    i=$((i + 1))
done
[ -n "$desktop" ] || { echo "the Wine desktop did not appear" >&2; exit 1; }
sleep 4
xwd -silent -id "$desktop" -display "$DISPLAY" | convert xwd:- "$DEMO/screenshot.png" ||
    { echo "screenshot failed" >&2; exit 1; }
echo "screenshot: $DEMO/screenshot.png"
