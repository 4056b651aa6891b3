#!/usr/bin/env bash
# The window fitted to its client area (issue 32), with a real window manager (Openbox) on a
# 1920 x 1080 Xvfb screen, driven as a user drives it: resized, maximised by a double click on
# its title bar, restored, switched to full screen with F11; read back from screenshots and, as
# screen readers read it, through AT-SPI (window_fit.py).
# Usage: window_fit.sh BUILD_FOLDER
set -euo pipefail

if [ -z "${TAVILO_PRIVATE_BUS:-}" ]; then
    # The session bus lives as long as this script, and no desktop's bus is touched.
    TAVILO_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"
# shellcheck source=tests/e2e/walk.sh
source "$(dirname "$0")/walk.sh"

build=$1
keep_folder=$build/e2e-screenshots

# The whole client area, whatever its size, into $work/current.png.
look_whole() {
    import -window "$window" "$work/current.png"
}

# The client area's size, WIDTHxHEIGHT.
client_size() {
    local info
    info=$(xwininfo -id "$window")
    echo "$(sed -n 's/.*Width: *//p' <<<"$info")x$(sed -n 's/.*Height: *//p' <<<"$info")"
}

# Whether the whole current screenshot is a kept one, pixel for pixel.
same_picture() {
    local difference
    difference=$(compare -metric AE "$work/$1.png" "$work/current.png" null: 2>&1) || true
    [ "$difference" = 0 ]
}

# Looks until the client area has the size and two screenshots in a row are the same.
wait_until_settled() {
    local size=$1 deadline=$((SECONDS + 30))
    while [ "$(client_size)" != "$size" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "the client area is $(client_size), not $size"
        sleep 0.1
    done
    look_whole
    keep_look previous
    while :; do
        sleep 0.3
        look_whole
        same_picture previous && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "the window kept changing at $size"
        keep_look previous
    done
}

# The three boxes ticked and 13 steps, the clicks at the layout's places times a factor.
thirteen_steps() {
    local times=$1
    for place in 736,32 416,32 632,128; do
        click $((${place%,*} * times)) $((${place#*,} * times))
        sleep 0.3
    done
    for _ in $(seq 13); do
        click $((susumu_at[0] * times)) $((susumu_at[1] * times))
        sleep 0.15
    done
    pointer_away
}

start_framed() {
    start_program "$installed_binary"
    wait_for_frame
    read_client_origin
}

stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
}

# The rectangle's corners and the graph's origin where the fit puts them, after 13 steps with
# the boxes ticked; olive around.
expect_fitted_figure() {
    local size
    size=$(client_size)
    read_fit "${size%x*}" "${size#*x}"
    look_whole
    expect_at_fit $((kokuban_origin[0] + 75)) $((kokuban_origin[1] + 50)) "$red" "corner A, under the highlight"
    expect_at_fit $((kokuban_origin[0] + 375)) $((kokuban_origin[1] + 50)) "$white" "corner D"
    expect_at_fit $((kokuban_origin[0] + 375)) $((kokuban_origin[1] + 250)) "$white" "corner C"
    expect_at_fit $((kokuban_origin[0] + 75)) $((kokuban_origin[1] + 250)) "$red" "corner B, under the marker"
    expect_at_fit $((kokuban_origin[0] + 160)) $((kokuban_origin[1] + 200)) "$blue" "the shading"
    expect_at_fit $((gamen_origin[0] + 49)) $((gamen_origin[1] + 200)) "$red" "the graph's origin, where the trace starts"
    expect_at_fit $((gamen_origin[0] + 49)) $((gamen_origin[1] + 120)) "$green" "the y axis"
    expect_at_fit $((gamen_origin[0] + 150)) $((gamen_origin[1] + 201)) "$green" "the x axis"
    expect_olive_around
}

# Openbox's title bar: a double click maximises the window, and another restores it.
double_click_title_bar() {
    local top
    IFS=, read -r _ _ top _ <<<"$frame_extents"
    read_client_origin
    xdotool mousemove "$((client_x + 200))" "$((client_y - top / 2))" click --repeat 2 --delay 80 1
    pointer_away
}

install_program "$build"
start_display 1920x1080
start_window_manager
# Screen readers read the program through the accessibility bus (window_fit.py).
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
x_session_pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The picture to match: the window started at twice its size by Qt's own scale factor.
QT_SCALE_FACTOR=2 start_framed
wait_until_settled 1730x874
thirteen_steps 2
wait_until_settled 1730x874
keep_look twice_by_qt
stop_program

start_framed
wait_until_settled 865x437
keep_look start
thirteen_steps 1
wait_until_settled 865x437
keep_look thirteen
xdotool windowsize "$window" 1730 874
wait_until_settled 1730x874
same_picture twice_by_qt ||
    fail "resized to 1730 x 874, the window differs from the one started at QT_SCALE_FACTOR=2"
ok "resized to 1730 x 874: the window started at QT_SCALE_FACTOR=2, pixel for pixel"

xdotool windowsize "$window" 865 437
wait_until_settled 865x437
same_picture thirteen || fail "back at 865 x 437, the window differs from before"
ok "back at its own size: the window of before, pixel for pixel"

double_click_title_bar
wait_until_settled "$(client_size)"
[ "$(client_size)" != 865x437 ] || fail "the double click did not maximise the window"
IFS=, read -r _ _ top _ <<<"$frame_extents"
expect_fitted_figure
ok "maximised ($(client_size), factor $factor): the corners and the graph's origin at their scaled, centred places"

double_click_title_bar
wait_until_settled 865x437
same_picture thirteen || fail "restored, the window differs from before"
ok "restored: the window of before, pixel for pixel"

xdotool windowfocus --sync "$window"
xdotool key F11
wait_until_settled 1920x1080
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
    fail "F11: the window manager was not asked for full screen"
expect_fitted_figure
xdotool key Escape
sleep 0.5
[ "$(client_size)" = 1920x1080 ] || fail "Escape left full screen"
xdotool key F11
wait_until_settled 865x437
same_picture thirteen || fail "out of full screen, the window differs from before"
ok "F11 fills the screen with the scaled layout, Escape keeps it there, F11 again brings the window of before"

# A walk while the window is resized, and the extents that screen readers read.
checks=$(timeout 240 /usr/bin/python3 "$(dirname "$0")/window_fit.py" "$window") ||
    fail "the checks through AT-SPI: ${checks##*$'\n'}"
while read -r line; do ok "$line"; done <<<"$checks"
echo "$test_number passed, 0 failed"
