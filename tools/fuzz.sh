#!/usr/bin/env bash
# Builds the libFuzzer target of the text-to-number conversion with clang and runs it.
# Usage: tools/fuzz.sh SECONDS
# It builds in build-fuzz (or in FUZZ_BUILD_DIR). New inputs go to its corpus folder (fuzz/corpus
# holds the seeds and is only read); an input that fails is saved in its artifacts folder and the
# script exits non-zero.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
seconds=${1:?usage: tools/fuzz.sh SECONDS}
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD_DIR:-build-fuzz}
source tools/packages.sh
need_packages "${build_packages[@]}" "${fuzz_packages[@]}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DBUILD_TESTING=OFF -DTAVILO_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_textnumber
mkdir -p "$build/corpus" "$build/artifacts"
"$build/fuzz/fuzz_textnumber" -max_total_time="$seconds" -print_final_stats=1 \
    -dict=fuzz/textnumber.dict -artifact_prefix="$build/artifacts/" \
    "$build/corpus" fuzz/corpus 2>"$build/fuzz.log" || {
    tail -n 40 "$build/fuzz.log"
    exit 1
}
grep -E '^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ *DONE)' "$build/fuzz.log"
echo "fuzz_textnumber: no failing input in ${seconds} s"
