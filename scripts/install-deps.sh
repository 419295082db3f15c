#!/bin/sh
# Installs the Debian packages that building and testing Tunrix need.
# As root it installs what is missing (adding the i386 architecture for 32-bit
# Wine); otherwise it prints the one command to run and fails.
set -e

PACKAGES="make cmake g++ clang libclang-rt-14-dev libgtest-dev googletest \
mingw-w64 wine wine64 wine32:i386 xvfb xauth xdotool x11-apps imagemagick \
zip unzip binutils-mingw-w64-i686"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing" >&2
    echo "Run as root:  dpkg --add-architecture i386 && apt-get update && apt-get install -y$missing" >&2
    exit 1
fi

echo "Installing:$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing >/dev/null
