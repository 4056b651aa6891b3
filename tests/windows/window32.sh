#!/usr/bin/env bash
# The 32-bit edition under Wine's 32-bit side: the start screen and one step.
# Usage: window32.sh TAVILO_32_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots

start_display
start_and_look "$exe"
expect_colour kokuban 75 250 "$red" "the marker at B"
expect_colour gamen 69 100 "$green" "the vertical grid line at x = 70"
expect_none "$kokuban_area" "$blue" "no shading"
ok "tavilo-32.exe shows the start screen"

click "${susumu_at[@]}"
pointer_away
wait_until "a step" at_distance 1
wait_until_still
expect_colour kokuban 148 240 "$blue" "the triangle of distance 1"
ok "tavilo-32.exe takes a step"
click "${end_at[@]}"
expect_program_ends "終了"
echo "$test_number passed, 0 failed"
