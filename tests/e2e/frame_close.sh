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

# Waits until the window manager has framed the window: the frame's extents are set.
wait_for_frame() {
    for _ in $(seq 300); do
        frame_extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null |
            sed -n 's/.* = //p' | tr -d ' ')
        [ -n "$frame_extents" ] && return 0
        sleep 0.1
    done
    fail "the window manager did not frame the window"
}

# The close box is the last button at the right end of the title bar in Openbox's theme.
click_close_box() {
    local right top
    IFS=, read -r _ right top _ <<<"$frame_extents"
    xdotool mousemove "$((client_x + 865 + right - 11))" "$((client_y - top + 10))" click 1
}

install_program "$build"
start_display
openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 &
x_session_pids+=($!)
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
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
