#!/usr/bin/env bash
# Installs what is missing, builds the program with its tests and runs every test; then runs the
# whole suite again built with AddressSanitizer and UndefinedBehaviorSanitizer (any report fails
# its test), the fuzz targets of the text-to-number conversion and of a problem's link for a short
# while each, and the browser and Windows editions' suites.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${build_packages[@]}" "${test_packages[@]}" xauth
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure --no-tests=error -j"$(nproc)")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DTAVILO_SANITIZE=ON \
    >/dev/null
cmake --build build-sanitize -j"$(nproc)"
# The random walk runs fewer sequences here: instrumented drawing is several times slower.
(cd build-sanitize &&
    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
        LSAN_OPTIONS=suppressions="$PWD/../tools/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1 \
        TAVILO_RANDOMWALK_SEQUENCES=200 \
        ctest --output-on-failure --no-tests=error -j"$(nproc)")

bash tools/test-web.sh

bash tools/fuzz.sh 25
bash tools/test-windows.sh
