#!/bin/sh
# Checks the release zip: exactly the files a user needs, programs that import
# only functions checked to exist on Windows NT 4.0 (scripts/nt4-imports.txt),
# and the size of tunrix.exe.
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

expected="INSTALL.TXT README.TXT beep.wav radio.ini tonecheck.exe tunrix.exe tunrixctl.exe"
actual=$(unzip -Z1 "$zip" | sort | tr '\n' ' ' | sed 's/ $//')
check "zip holds exactly: $expected (has: $actual)" [ "$actual" = "$expected" ]

# imports <objdump> <exe>: each import of the program as "DLL FUNCTION", the
# DLL in capitals; an import by ordinal shows as #NUMBER.
imports() {
    $1 -p "$2" | awk '/^The Import Tables/ { inside = 1; next }
        inside && /^[^ \t]/ { inside = 0 }
        inside && /^\tDLL Name: / { dll = toupper($3); next }
        inside && dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($3 == "<none>" || NF < 3 ? "#" $2 : $3) }'
}
for exe in build/i686/ui/tunrix.exe build/i686/tonecheck/tonecheck.exe build/i686/tunrixctl/tunrixctl.exe \
           build/x86_64/ui/tunrix.exe build/x86_64/tonecheck/tonecheck.exe build/x86_64/tunrixctl/tunrixctl.exe; do
    case $exe in
    build/i686/*) objdump=i686-w64-mingw32-objdump
                  known=$(awk '!/^#/ && NF == 2 { print $1, $2 }' scripts/nt4-imports.txt) ;;
    *)            objdump=x86_64-w64-mingw32-objdump
                  known=$(awk '!/^#/ && (NF == 2 || $3 == "x86_64") { print $1, $2 }' scripts/nt4-imports.txt) ;;
    esac
    found=$(imports $objdump "$exe")
    check "$exe has an import table" [ -n "$found" ]
    unknown=$(echo "$found" | grep -vxF "$known" | tr '\n' ' ')
    check "$exe imports only what Windows NT 4.0 has (not in scripts/nt4-imports.txt: $unknown)" \
        [ -z "$unknown" ]
done

# Each program carries the version record with the one version of
# resources/version.h and a manifest that asks to run as the invoking user.
for exe in build/i686/ui/tunrix.exe build/i686/tonecheck/tonecheck.exe build/i686/tunrixctl/tunrixctl.exe; do
    check "$exe has a version record for Tunrix $version" \
        sh -c "strings -n 3 -el '$exe' | grep -qx 'ProductVersion' && strings -n 3 -el '$exe' | grep -qx '$version' && strings -n 3 -el '$exe' | grep -qx 'Tunrix'"
    check "$exe has an asInvoker manifest" grep -q 'level="asInvoker"' "$exe"
done

size=$(stat -c %s build/i686/ui/tunrix.exe)
echo "tunrix.exe (i686, stripped): $size bytes"
check "tunrix.exe is at most 128 KB ($size bytes)" [ "$size" -le 131072 ]

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
