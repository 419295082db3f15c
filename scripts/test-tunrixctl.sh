#!/bin/sh
# Runs the built tunrixctl as a user would: natively (one run per command
# group, the default settings folder, a settings file behind a symbolic link,
# two commands at once, the real port as this machine refuses it, `make
# install`), and tunrixctl.exe under Wine with and without the giveio driver.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
CTL=$ROOT/build/native/tunrixctl/tunrixctl
EXE=$ROOT/build/i686/tunrixctl/tunrixctl.exe
in_scratch_folder tunrixctl-test
passed=0
failed=0

# expect WHAT STATUS OUT-PATTERN COMMAND...: the status, and stdout+stderr
# matching the (grep -E) pattern.
expect() {
    what=$1 status=$2 pattern=$3
    shift 3
    "$@" >"$TMP/out" 2>&1
    got=$?
    if [ "$got" -eq "$status" ] && { [ -z "$pattern" ] || tr -d '\r' <"$TMP/out" | grep -Eq -- "$pattern"; }; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what: status $got (wanted $status), output:"
        sed 's/^/    /' "$TMP/out"
    fi
}
check() {  # check WHAT COMMAND...
    what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

mkdir -p "$TMP/work" "$TMP/home"
cd "$TMP/work"
export HOME="$TMP/home"
unset XDG_CONFIG_HOME

# Native: one run per command group, on the virtual card, default settings file.
expect "status before any save" 0 "^station: 101.1$" "$CTL" status
check "status makes no file" [ ! -e "$HOME/.config/tunrix/radio.ini" ]
expect "tune" 0 "^099.9 MHz$" "$CTL" --card virtual tune 99.9
check "first save makes ~/.config/tunrix/radio.ini" grep -q "^099.9" "$HOME/.config/tunrix/radio.ini"
expect "preset" 0 "^101.1 MHz, preset 6 Oldies$" "$CTL" --card virtual preset 6
expect "step" 0 "^101.2 MHz$" "$CTL" --card virtual fine-up
expect "volume" 0 "^101.2 MHz$" "$CTL" --card virtual volume up 2
expect "off" 0 "^off$" "$CTL" --card virtual off
expect "on" 0 "^101.2 MHz$" "$CTL" --card virtual --port 0x30c on
expect "presets" 0 "^10 088.0 Easy Listening$" "$CTL" presets
expect "set-preset" 0 "^preset 3: 101.2 Wake up$" "$CTL" set-preset 3 101.2 "Wake up"
expect "usage" 1 "^usage: tunrixctl" "$CTL" tune
expect "value" 2 "not a station" "$CTL" tune 0x58
printf '0x20f tune 4424 99.900\n0x20f tune 4471 101.075\n0x20f tune 4475 101.175\n0x20f volume up\n0x20f volume up\n0x20f off\n0x30f tune 4475 101.175\n' >"$TMP/want.log"
check "card.log of the session" cmp -s card.log "$TMP/want.log"

# XDG_CONFIG_HOME chooses the folder.
XDG_CONFIG_HOME="$TMP/xdg" expect "XDG_CONFIG_HOME, quiet" 0 "" "$CTL" -q --card virtual preset 1
check "quiet prints nothing" [ ! -s "$TMP/out" ]
check "saved under XDG_CONFIG_HOME" grep -q "^088.5" "$TMP/xdg/tunrix/radio.ini"

# A settings file that is a symbolic link is saved in its target's folder.
mkdir -p "$TMP/dotfiles"
cp "$ROOT/package/radio.ini" "$TMP/dotfiles/radio.ini"
ln -s ../dotfiles/radio.ini "$TMP/work/linked.ini"
expect "tune through a link" 0 "MHz" "$CTL" --ini linked.ini --card virtual tune 88.1
check "the link stays a link" [ -L linked.ini ]
check "the target holds the save" grep -q "^088.1" "$TMP/dotfiles/radio.ini"
check "no temporary file left" [ "$(ls -A "$TMP/dotfiles" "$TMP/work" | grep -c '\.tmp')" -eq 0 ]

# Two commands at once never lose the file.
i=0
while [ $i -lt 20 ]; do
    "$CTL" -q --ini shared.ini set-preset 1 90.1 & first=$!
    "$CTL" -q --ini shared.ini set-preset 2 90.2 & second=$!
    wait $first && wait $second && grep -q '^\[IO PORT\]' shared.ini || break
    i=$((i + 1))
done
check "20 pairs of simultaneous saves: both succeed, the file stays whole" [ $i -eq 20 ]

# The real port, as this machine answers (no port I/O here, or not root).
expect "real card refused" 3 "port I/O at all|setcap cap_sys_rawio" "$CTL" tune 101.1
check "refusal changed nothing" grep -q "^088.1" "$TMP/dotfiles/radio.ini"

# make install honours PREFIX and DESTDIR.
make -C "$ROOT" -s install DESTDIR="$TMP/dest" PREFIX=/usr >/dev/null 2>&1
check "make install: program" [ -x "$TMP/dest/usr/bin/tunrixctl" ]
check "make install: man page" [ -f "$TMP/dest/usr/share/man/man1/tunrixctl.1" ]
expect "installed program runs" 0 "^tunrixctl [0-9]" "$TMP/dest/usr/bin/tunrixctl" --version

# Windows: tunrixctl.exe under Wine, without and with the giveio driver.
if [ -f "$EXE" ]; then
    start_xvfb && make_prefix "$TMP/prefix" || { echo "wine prefix failed"; exit 1; }
    rm -f card.log radio.ini
    cp "$ROOT/package/radio.ini" radio.ini
    set_driver absent
    expect "no giveio: refused" 3 "Couldn't access giveio device" wine "$EXE" tune 88.0
    check "no giveio: radio.ini unchanged" cmp -s radio.ini "$ROOT/package/radio.ini"
    check "no giveio: nothing sent" [ ! -e card.log ]
    set_driver present
    expect "giveio: virtual card" 0 "^088.0 MHz, preset 10 Easy Listening$" wine "$EXE" --card virtual tune 88.0
    check "giveio: card.log" grep -qx "0x20f tune 3948 88.000" card.log
    expect "giveio: status" 0 "^preset: 10$" wine "$EXE" status
else
    failed=$((failed + 1))
    echo "FAILED: $EXE is not built"
fi

echo "tunrixctl: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
