#!/usr/bin/env bash
# Closing the window during a walk ends the program: by the close box of the frame, which Wine
# draws itself here, and by Alt+F4.
# Usage: frame_close.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots

# The walk at the start-up speed "20" takes more than 11 s; the window is closed after its first
# step.
start_walk() {
    start_and_look "$exe"
    keep_look initial
    click "${jidou_at[@]}"
    wait_until "the first step of the walk" at_distance 1
}

start_display
start_walk
# The close box is the last of the caption's buttons, at its right end.
xdotool mousemove "$((frame_right - frame_border - 9))" "$((frame_top + frame_border + 9))" click 1
expect_program_ends "the frame's close box during a walk"
ok "the frame's close box ends the program during a walk"

start_walk
xdotool key alt+F4
expect_program_ends "Alt+F4 during a walk"
ok "Alt+F4 ends the program during a walk"
echo "$test_number passed, 0 failed"
