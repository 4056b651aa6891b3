#!/usr/bin/env bash
# Builds the benchmark programs, runs them on the offscreen platform (start-up also on a real X
# display, Xvfb) and prints one table of the figures of this run against their targets (a
# Markdown table, as in the README).
# Builds in build-bench (or in BENCH_BUILD_DIR). Takes about a minute: the paced walk alone
# lasts 28 x 400 ms.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${build_packages[@]}" xvfb
source tools/screenshot.sh
trap stop_x_session EXIT
build=${BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVILO_BENCHMARKS=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_step bench_problem bench_floodfill bench_startup \
    startup_tavilo startup_minimal bench_pause bench_resize bench_setup >/dev/null
export QT_QPA_PLATFORM=offscreen
bench=$build/bench
runs=9

# The value of a QBENCHMARK result in CSV: "function","row","metric",value,total,iterations
# (a row name may hold commas, so the value is counted from the end).
benchmark_value() {
    grep -F ",\"$2\"," <<<"$1" | awk -F, '{ print $(NF - 2) }'
}

steps=$("$bench/bench_step" -median "$runs" -csv 2>/dev/null)
step=$(benchmark_value "$steps" "all boxes on")
floor=$(benchmark_value "$steps" "floor")
large_step=$(benchmark_value "$steps" "largest problem, all boxes on")
large_floor=$(benchmark_value "$steps" "largest problem, floor")
readings=$("$bench/bench_problem" -median "$runs" -csv 2>/dev/null)
reading=$(benchmark_value "$readings" "largest problem")
bad_reading=$(benchmark_value "$readings" "bad link")
step_max=$(benchmark_value "$steps" "all boxes on, 1920 x 1080")
floor_max=$(benchmark_value "$steps" "floor, 1920 x 1080")
# "resize to 1920 x 1080 and repaint: median 12.34 ms, slowest ..."
resize=$("$bench/bench_resize" 15 2>/dev/null | sed -E 's/.*median ([0-9.]+) ms.*/\1/')
fill=$(benchmark_value "$("$bench/bench_floodfill" 'triangle:429x309, new colour' \
    -median "$runs" -csv 2>/dev/null)" "429x309, new colour")
# "startup NAME <median ms> <median kB> <median processor ms>", the program and the yardstick in
# alternating runs: on a real X display (Xvfb), and offscreen.
start_display
starts=$(QT_QPA_PLATFORM=xcb "$bench/bench_startup" "$bench/startup_tavilo" "$bench/startup_minimal" 15)
read -r _ _ start_ms _ _ < <(grep ' startup_tavilo ' <<<"$starts")
read -r _ _ minimal_ms _ _ < <(grep ' startup_minimal ' <<<"$starts")
starts=$("$bench/bench_startup" "$bench/startup_tavilo" "$bench/startup_minimal" 15)
read -r _ _ _ rss_kb cpu_ms < <(grep ' startup_tavilo ' <<<"$starts")
read -r _ _ _ minimal_kb minimal_cpu_ms < <(grep ' startup_minimal ' <<<"$starts")
# "... processor 0.051 s, 0.45 % of one core"
share=$("$bench/bench_pause" 20 2>/dev/null | sed -E 's/.* ([0-9.]+) % of one core/\1/')
# "setup window, ...: median 1.23 ms, slowest ..." for its first opening, and a keystroke.
setups=$("$bench/bench_setup" 15 2>/dev/null)
setup_open=$(grep 'made and painted' <<<"$setups" | sed -E 's/.*median ([0-9.]+) ms.*/\1/')
setup_key=$(grep 'keystroke' <<<"$setups" | sed -E 's/.*median ([0-9.]+) ms.*/\1/')

awk -v step="$step" -v floor="$floor" -v stepmax="$step_max" -v floormax="$floor_max" \
    -v resize="$resize" -v fill="$fill" -v start="$start_ms" -v rss="$rss_kb" \
    -v minstart="$minimal_ms" -v minrss="$minimal_kb" -v cpu="$cpu_ms" -v mincpu="$minimal_cpu_ms" \
    -v share="$share" -v runs="$runs" -v lstep="$large_step" -v lfloor="$large_floor" \
    -v reading="$reading" -v badreading="$bad_reading" -v setupopen="$setup_open" \
    -v setupkey="$setup_key" '
function met(ok) { return ok ? "yes" : "**no**" }
BEGIN {
    print "| Measure (offscreen raster, " runs " runs unless said) | tavilo | Yardstick | Ratio | Target | Met |"
    print "|---|---|---|---|---|---|"
    printf "| One step, forward or back, all boxes on, both surfaces repainted (median) | %.3f ms | floor %.3f ms | %.2f | < 0.5 ms, <= 4 x floor | %s |\n",
        step, floor, step / floor, met(step < 0.5 && step <= 4 * floor)
    printf "| One step of the largest problem a link gives (240 steps), all boxes on (median) | %.3f ms | floor %.3f ms | %.2f | <= 4 x floor | %s |\n",
        lstep, lfloor, lstep / lfloor, met(lstep <= 4 * lfloor)
    printf "| Reading and checking a link: the largest problem / a bad link (median) | %.4f ms / %.4f ms | | | < 1 ms | %s |\n",
        reading, badreading, met(reading < 1 && badreading < 1)
    printf "| The same step maximised on 1920 x 1080 (the fit 2.22), both surfaces at its device pixels (median) | %.3f ms | floor %.3f ms | %.2f | <= 4 x floor | %s |\n",
        stepmax, floormax, stepmax / floormax, met(stepmax <= 4 * floormax)
    printf "| From a resize to 1920 x 1080 to the whole window repainted (median of 15) | %.1f ms | | | <= 50 ms | %s |\n",
        resize, met(resize <= 50)
    printf "| Flood fill of the largest triangle, 429 x 309 (median) | %.4f ms | | | < 0.1 ms | %s |\n",
        fill, met(fill < 0.1)
    printf "| Start-up to the first painted frame on X (Xvfb, median of 15) | %.1f ms | one-button window %.1f ms | %.2f | <= 1.3 x | %s |\n",
        start, minstart, start / minstart, met(start <= 1.3 * minstart)
    printf "| Processor time to the first painted frame, offscreen (median of 15) | %.1f ms | one-button window %.1f ms | %.2f | (a figure) | |\n",
        cpu, mincpu, cpu / mincpu
    printf "| Resident memory after start (median of 15) | %.1f MiB | one-button window %.1f MiB | %.2f | <= 1.3 x | %s |\n",
        rss / 1024, minrss / 1024, rss / minrss, met(rss <= 1.3 * minrss)
    printf "| Processor share during a paced walk at \"20\" (one walk) | %.2f %% | | | < 5 %% of one core | %s |\n",
        share, met(share < 5)
    printf "| The setup window from Ctrl+, to made, filled in and painted (median of 15) | %.2f ms | | | < 100 ms | %s |\n",
        setupopen, met(setupopen < 100)
    printf "| A keystroke in a setup field to the fields checked and the preview painted (median of 30) | %.2f ms | | | < 16 ms | %s |\n",
        setupkey, met(setupkey < 16)
}'
# The Windows edition's rows, measured under Wine, and the browser edition's, in Chromium, with
# the sizes of the release's files.
bash tools/benchmark-windows.sh
bash tools/benchmark-web.sh
