#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${build_packages[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tavilo
exec build/src/tavilo
