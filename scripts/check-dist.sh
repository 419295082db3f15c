#!/bin/sh
# Checks the release zip: exactly the files a user needs, programs that import
# only the system DLLs every Windows NT has, and the size of tunrix.exe.
set -e
cd "$(dirname "$0")/.."

zip=$(sh scripts/make-dist.sh)
version=$(sed -n 's/^#define TUNRIX_VERSION_TEXT *"\(.*\)"/\1/p' resources/version.h)
failed=0
passed=0
check() {  # check <description> <command...>
    what=$1; shift
    if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what" >&2; failed=$((failed + 1)); fi
}

expected="INSTALL.TXT README.TXT beep.wav radio.ini tonecheck.exe tunrix.exe"
actual=$(unzip -Z1 "$zip" | sort | tr '\n' ' ' | sed 's/ $//')
check "zip holds exactly: $expected (has: $actual)" [ "$actual" = "$expected" ]

allowed="KERNEL32.dll USER32.dll GDI32.dll SHELL32.dll COMCTL32.dll WINMM.dll ADVAPI32.dll msvcrt.dll"
for exe in build/i686/ui/tunrix.exe build/i686/tonecheck/tonecheck.exe \
           build/x86_64/ui/tunrix.exe build/x86_64/tonecheck/tonecheck.exe; do
    case $exe in build/i686/*) objdump=i686-w64-mingw32-objdump ;; *) objdump=x86_64-w64-mingw32-objdump ;; esac
    for dll in $($objdump -p "$exe" | sed -n 's/^\tDLL Name: //p'); do
        ok=0
        for a in $allowed; do
            [ "$(echo "$dll" | tr a-z A-Z)" = "$(echo "$a" | tr a-z A-Z)" ] && ok=1
        done
        check "$exe imports only system DLLs (found $dll)" [ $ok -eq 1 ]
    done
done

# Each program carries the version record with the one version of
# resources/version.h and a manifest that asks to run as the invoking user.
for exe in build/i686/ui/tunrix.exe build/i686/tonecheck/tonecheck.exe; do
    check "$exe has a version record for Tunrix $version" \
        sh -c "strings -n 3 -el '$exe' | grep -qx 'ProductVersion' && strings -n 3 -el '$exe' | grep -qx '$version' && strings -n 3 -el '$exe' | grep -qx 'Tunrix'"
    check "$exe has an asInvoker manifest" grep -q 'level="asInvoker"' "$exe"
done

size=$(stat -c %s build/i686/ui/tunrix.exe)
echo "tunrix.exe (i686, stripped): $size bytes"
check "tunrix.exe is at most 128 KB ($size bytes)" [ "$size" -le 131072 ]

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
