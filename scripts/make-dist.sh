#!/bin/sh
# Packs what a user of the card downloads: dist/tunrix-<version>-win32.zip from
# the i686 build (tunrix, tonecheck, tunrixctl), the example radio.ini and the two user texts (CR LF).
set -e
cd "$(dirname "$0")/.."

version=$(sed -n 's/^#define TUNRIX_VERSION_TEXT *"\(.*\)"/\1/p' resources/version.h)
[ -n "$version" ] || { echo "make-dist: no TUNRIX_VERSION_TEXT in resources/version.h" >&2; exit 1; }

build=build/i686
stage=dist/stage
zip=dist/tunrix-$version-win32.zip
rm -rf "$stage" "$zip"
mkdir -p "$stage"

cp "$build/ui/tunrix.exe" "$build/tonecheck/tonecheck.exe" "$build/tunrixctl/tunrixctl.exe" "$build/ui/beep.wav" "$stage/"
cp package/radio.ini "$stage/"
for f in INSTALL.TXT README.TXT; do
    sed 's/\r*$/\r/' "package/$f" > "$stage/$f"
done
(cd "$stage" && zip -q -X "../$(basename "$zip")" tunrix.exe tonecheck.exe tunrixctl.exe radio.ini beep.wav INSTALL.TXT README.TXT)
echo "$zip"
