#!/usr/bin/env bash
# Builds the Windows edition: tavilo.exe for 64-bit Windows and tavilo-32.exe for 32-bit (and
# 64-bit) Windows, each one static file that needs nothing installed. Builds in build-windows/
# (or in WINDOWS_BUILD_DIR) and prints the two files' paths as its last two lines.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${windows_packages[@]}"
out=${WINDOWS_BUILD_DIR:-build-windows}

build() {
    local arch=$1
    cmake -S . -B "$out/$arch" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-$arch.cmake" \
        -DTAVILO_BACKEND=win32 -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$out/$arch" -j2 --target tavilo >/dev/null
}

build x86_64
build i686
cp "$out/x86_64/src/tavilo.exe" "$out/tavilo.exe"
cp "$out/i686/src/tavilo.exe" "$out/tavilo-32.exe"
echo "$(realpath "$out/tavilo.exe")"
echo "$(realpath "$out/tavilo-32.exe")"
