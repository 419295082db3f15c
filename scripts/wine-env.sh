# Shared by run-e2e.sh, demo.sh and bench/run.sh (sourced, not run): a private
# X display and a fresh 32-bit Wine prefix with sound switched off.

# in_scratch_folder NAME: makes TMP a fresh folder under /tmp and, at exit,
# stops the prefix's wineserver and the Xvfb started here and removes TMP.
in_scratch_folder() {
    TMP=$(mktemp -d "/tmp/$1.XXXXXX")
    XVFB_PID=""
    trap 'stop_scratch' EXIT
    trap 'exit 130' INT TERM
}
stop_scratch() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$TMP"
}

# Starts Xvfb on the first free display from 93 up; sets DISPLAY and XVFB_PID.
start_xvfb() {
    n=93
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    if [ ! -e "/tmp/.X11-unix/X$n" ]; then
        echo "Xvfb did not start on :$n" >&2
        return 1
    fi
    DISPLAY=":$n"
    export DISPLAY
}

# make_prefix DIR: a fresh 32-bit prefix in DIR; exports WINEPREFIX and friends.
make_prefix() {
    WINEPREFIX="$1"
    WINEARCH=win32
    WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES
    wineboot -i >/dev/null 2>&1 || return 1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
    wineserver -w
}

# set_windows_version nt40|nt351|win98|winxp: what GetVersionExA reports.
set_windows_version() {
    wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
    wineserver -w
}

# set_driver present|absent: whether "\\.\giveio" opens in the prefix. A link
# to /dev/null is enough: the programs only open and close the device.
set_driver() {
    rm -f "$WINEPREFIX/dosdevices/giveio"
    if [ "$1" = present ]; then ln -s /dev/null "$WINEPREFIX/dosdevices/giveio"; fi
}

# The Windows form (Z: drive) of an absolute Unix path.
win_path() {
    printf 'Z:%s' "$1" | tr '/' '\\'
}
