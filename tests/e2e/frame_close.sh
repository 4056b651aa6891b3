#!/usr/bin/env bash
# Closing the window through its frame during automatic play ends the program. The frame is
# drawn by a real window manager (Openbox) on Xvfb, and its close box is clicked with the
# pointer, so the program gets the close request exactly as on a desktop.
# Usage: frame_close.sh BUILD_FOLDER
set -euo pipefail
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"

build=$1
keep_folder=$build/e2e-screenshots

# The close box is the last button at the right end of the title bar in Openbox's theme.
click_close_box() {
    local right top
    IFS=, read -r _ right top _ <<<"$frame_extents"
    xdotool mousemove "$((client_x + 865 + right - 11))" "$((client_y - top + 10))" click 1
}

install_program "$build"
start_display
start_window_manager
start_program "$installed_binary"
wait_for_frame
read_client_origin
wait_until "the first paint" is_colour window 5 430 808000

# The walk at the start-up speed "20" takes more than 11 s; the frame is closed after its
# first step.
click "${jidou_at[@]}"
wait_until "the first step of the walk" is_colour kokuban 75 225 FF0000
click_close_box
expect_program_ends "the frame's close box during a walk"
ok "the frame's close box ends the program during a walk"
echo "$test_number passed, 0 failed"
