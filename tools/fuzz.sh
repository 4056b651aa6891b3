#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each: the text-to-number conversion, then the
# reading of a problem from a link.
# Usage: tools/fuzz.sh SECONDS [TARGET...]   (SECONDS for each target; the targets are
# fuzz_textnumber and fuzz_problem, both when none is named)
# It builds in build-fuzz (or in FUZZ_BUILD_DIR). New inputs go to each target's corpus folder
# there (fuzz/corpus and fuzz/corpus-problem hold the seeds and are only read); an input that
# fails is saved in its artifacts folder and the script exits non-zero.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
seconds=${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_textnumber fuzz_problem)
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD_DIR:-build-fuzz}
source tools/packages.sh
need_packages "${build_packages[@]}" "${fuzz_packages[@]}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DBUILD_TESTING=OFF -DTAVILO_FUZZ=ON >/dev/null
for target in "${targets[@]}"; do
    cmake --build "$build" -j"$(nproc)" --target "$target"
done

for target in "${targets[@]}"; do
    case $target in
    fuzz_textnumber) corpus=corpus seeds=fuzz/corpus dict=fuzz/textnumber.dict ;;
    fuzz_problem) corpus=corpus-problem seeds=fuzz/corpus-problem dict=fuzz/problem.dict ;;
    *) echo "unknown fuzz target: $target" >&2 && exit 2 ;;
    esac
    mkdir -p "$build/$corpus" "$build/artifacts"
    log=$build/$target.log
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -dict="$dict" \
        -artifact_prefix="$build/artifacts/" "$build/$corpus" "$seeds" 2>"$log" || {
        tail -n 40 "$log"
        exit 1
    }
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ *DONE)' "$log"
    echo "$target: no failing input in ${seconds} s"
done
