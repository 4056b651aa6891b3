#!/usr/bin/env bash
# Installs what is missing, builds the program with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${build_packages[@]}" xvfb xauth x11-utils xdotool imagemagick
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
