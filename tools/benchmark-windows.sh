#!/usr/bin/env bash
# The Windows edition's figures under Wine on Xvfb, as rows of the README's performance table:
# the executables' sizes, start-up to the first painted frame against a one-button Win32 window
# (alternating runs in one Wine prefix), and the processor share of a paced walk at "20".
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/wineprefix.sh
need_packages "${windows_test_packages[@]}"
choose_wine_loader
exes=$(bash tools/windows.sh | tail -n 2)
exe64=$(sed -n 1p <<<"$exes")
exe32=$(sed -n 2p <<<"$exes")
yardstick=$(dirname "$exe64")/onebutton.exe
x86_64-w64-mingw32-g++-posix -O2 -s -static -mwindows bench/win32/onebutton.cpp -o "$yardstick"

WINEPREFIX=$(mktemp -d)
source tests/windows/common.sh
trap 'stop_x_session; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$work"' EXIT
set_up_wine_prefix
start_display

# Milliseconds from the start of an exe to its client area's corner showing the olive.
startup_ms() {
    local start
    start=$(milliseconds)
    start_wine_program "$1"
    read_client_origin
    until look && is_colour window 5 430 "$olive"; do :; done
    echo $(($(milliseconds) - start))
    wine_pid=$(xprop -id "$window" _NET_WM_PID | sed 's/.* = //')
    kill "$wine_pid"
    wait "$program_pid" 2>/dev/null || true
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

runs=7
program_times=()
yardstick_times=()
for _ in $(seq "$runs"); do
    program_times+=("$(startup_ms "$exe64")")
    yardstick_times+=("$(startup_ms "$yardstick")")
done
program_start=$(printf '%s\n' "${program_times[@]}" | median)
yardstick_start=$(printf '%s\n' "${yardstick_times[@]}" | median)

# The program's processor time over one walk at the start-up speed "20", from the first step to
# the last.
processor_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}
start_and_look "$exe64"
wine_pid=$(xprop -id "$window" _NET_WM_PID | sed 's/.* = //')
keep_look initial
click "${jidou_at[@]}"
pointer_away
wait_until "the first step of the walk" at_distance 1
ticks_before=$(processor_ticks "$wine_pid")
walk_start=$(milliseconds)
wait_until "P at C" is_colour kokuban 375 250 "$red"
walk_ms=$(($(milliseconds) - walk_start))
ticks=$(($(processor_ticks "$wine_pid") - ticks_before))
kill "$wine_pid"

awk -v size64="$(stat -c %s "$exe64")" -v size32="$(stat -c %s "$exe32")" \
    -v start="$program_start" -v yard="$yardstick_start" -v runs="$runs" -v ticks="$ticks" \
    -v hz="$(getconf CLK_TCK)" -v walk="$walk_ms" '
function met(ok) { return ok ? "yes" : "**no**" }
BEGIN {
    printf "| Windows: size of tavilo.exe / tavilo-32.exe | %d KB / %d KB | | | < 400 KB each | %s |\n",
        size64 / 1024, size32 / 1024, met(size64 < 409600 && size32 < 409600)
    printf "| Windows under Wine: start-up to the first painted frame (median of %d) | %d ms | one-button window %d ms | %.2f | (a figure) | |\n",
        runs, start, yard, start / yard
    share = 100 * ticks / hz / (walk / 1000)
    printf "| Windows under Wine: processor share of a paced walk at \"20\" (%.1f s) | %.2f %% | | | < 1 %% of one core | %s |\n",
        walk / 1000, share, met(share < 1)
}'
