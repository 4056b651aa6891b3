#!/usr/bin/env bash
# The frame is an ordinary resizable one with minimise and maximise boxes, and the layout fits its
# client area (issue 32): sized larger and smaller and maximised through Win32 by the tests' MSAA
# client, the layout is scaled uniformly and centred, the window's olive around it, down to half
# its size; told by WM_DPICHANGED that it is on a monitor of twice the scale, the window takes
# the suggested frame and shows the layout at twice its size; F11 fills the screen and gives the
# window back. Screen readers find every control at its scaled place (MSAA's accLocation).
# Usage: frame_resize.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots

# Moves or sizes the frame and sets client_x, client_y, client_width and client_height to where
# its client area is then.
frame_to() {
    local area
    area=$(msaa_client "$@" | sed -n 's/^client\t//p')
    read -r client_x client_y client_width client_height <<<"$area"
    [ -n "$client_height" ] || fail "the client did not say where the client area is after $*"
}

# The whole client area, however large, into $work/current.png, once the program has drawn it.
look_whole() {
    import -window root -crop "${client_width}x${client_height}+$client_x+$client_y" +repage \
        "$work/current.png"
}

settle_whole() {
    local deadline=$((SECONDS + 30))
    look_whole
    keep_look previous
    while :; do
        sleep 0.3
        look_whole
        [ "$(compare -metric AE "$work/previous.png" "$work/current.png" null: 2>&1)" = 0 ] &&
            return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "the window kept changing"
        keep_look previous
    done
}

same_whole() {
    [ "$(compare -metric AE "$work/$1.png" "$work/current.png" null: 2>&1)" = 0 ]
}

# The start screen's figure where the fit puts it: corners A, D and C of the rectangle, the
# marker on B, the graph's axes; the olive around the layout.
expect_fitted_start() {
    read_fit "$client_width" "$client_height"
    settle_whole
    expect_at_fit $((kokuban_origin[0] + 75)) $((kokuban_origin[1] + 50)) "$white" "$1: corner A"
    expect_at_fit $((kokuban_origin[0] + 375)) $((kokuban_origin[1] + 50)) "$white" "$1: corner D"
    expect_at_fit $((kokuban_origin[0] + 375)) $((kokuban_origin[1] + 250)) "$white" "$1: corner C"
    expect_at_fit $((kokuban_origin[0] + 75)) $((kokuban_origin[1] + 250)) "$red" "$1: the marker on B"
    expect_at_fit $((kokuban_origin[0] + 200)) $((kokuban_origin[1] + 150)) "$green" "$1: the blackboard"
    expect_at_fit $((gamen_origin[0] + 49)) $((gamen_origin[1] + 120)) "$green" "$1: the y axis"
    expect_at_fit $((gamen_origin[0] + 150)) $((gamen_origin[1] + 201)) "$green" "$1: the x axis"
    expect_at_fit $((gamen_origin[0] + 200)) $((gamen_origin[1] + 20)) "$paper" "$1: the graph paper"
    expect_olive_around
}

# Each control's location, as screen readers read it, is its layout place at the fit.
expect_locations_fitted() {
    local name left top width height expected checked=0
    while IFS=$'\t' read -r name left top width height; do
        expected=$(place_of "$name") || continue
        [ "$left $top $width $height" = "$expected" ] ||
            fail "$1: $name is at $left $top $width $height, not at $expected"
        checked=$((checked + 1))
    done < <(msaa_client locations)
    [ "$checked" = 8 ] || fail "$1: $checked of the 8 controls found"
}

# A control's layout place at the fit, on the screen: left top width height.
place_of() {
    local rect
    case $1 in
    初期画面) rect="216 8 81 41" ;;
    終了) rect="800 16 49 41" ;;
    自動) rect="40 64 65 33" ;;
    ストップ) rect="112 64 57 33" ;;
    戻る) rect="288 64 73 33" ;;
    進む) rect="384 64 73 33" ;;
    黒板) rect="24 112 433 313" ;;
    グラフ用紙) rect="472 160 385 265" ;;
    *) return 1 ;;
    esac
    # shellcheck disable=SC2086
    set -- $rect
    awk -v f="$factor" -v ox="$((client_x + origin_x))" -v oy="$((client_y + origin_y))" \
        -v x="$1" -v y="$2" -v w="$3" -v h="$4" '
        function whole(v) { return v >= 0 ? int(v + 0.5) : -int(-v + 0.5) }
        BEGIN { l = whole(x * f); t = whole(y * f)
                printf "%d %d %d %d\n", ox + l, oy + t, whole((x + w) * f) - l, whole((y + h) * f) - t }'
}

start_on_screen 1920x1080 "$exe"
styles=$(msaa_client frame | sed -n 's/^style\t//p')
for style in caption sysmenu thickframe minimizebox maximizebox; do
    grep -qw "$style" <<<"$styles" || fail "the frame lacks $style: it has $styles"
done
read -r frame_width frame_height < <(msaa_client frame | sed -n 's/^frame\t//p' | tr '\t' ' ')
ok "the frame has a caption, the system menu, a sizing border, minimise and maximise boxes"

frame_to resize $((frame_width + 135)) $((frame_height + 123))
expect_fitted_start "a larger frame"
expect_locations_fitted "a larger frame"
ok "a larger frame ($client_width x $client_height): the layout at $factor, centred, olive around; the controls' locations scaled"

frame_to resize 600 300
expect_fitted_start "a smaller frame"
ok "a smaller frame ($client_width x $client_height): the layout at $factor, centred"

frame_to resize 400 200
[ "$factor" = 0.5000000000 ] || read_fit "$client_width" "$client_height"
[ "$origin_x $origin_y" = "0 0" ] || fail "below half the size the layout does not start at the corner"
settle_whole
expect_at_fit $((kokuban_origin[0] + 75)) $((kokuban_origin[1] + 50)) "$white" "below half: corner A"
ok "a frame below half the layout's size ($client_width x $client_height): the layout at half its size, cut off"

frame_to maximize
expect_fitted_start "the maximised frame"
expect_locations_fitted "the maximised frame"
ok "maximised ($client_width x $client_height): the layout at $factor, centred, olive around"

frame_to restore
frame_to resize "$frame_width" "$frame_height"
settle_whole
[ "$client_width x $client_height" = "865 x 437" ] || fail "sized back, the client area is $client_width x $client_height"
same_whole initial || fail "sized back, the window differs from the one at the start"
ok "sized back: the window at the start, pixel for pixel"

# Twice the layout's size by the frame, then by the monitor's scale: the same picture.
frame_to resize $((frame_width + 865)) $((frame_height + 437))
[ "$client_width x $client_height" = "1730 x 874" ] || fail "the frame did not give 1730 x 874"
settle_whole
keep_look twice_by_frame
frame_to resize "$frame_width" "$frame_height"
frame_to dpichanged 192
[ "$client_width x $client_height" = "1730 x 874" ] ||
    fail "WM_DPICHANGED at 192 dpi: the client area is $client_width x $client_height"
settle_whole
same_whole twice_by_frame ||
    fail "WM_DPICHANGED at 192 dpi: the window differs from the one sized to twice the layout"
read_fit 865 437
factor=2
expect_locations_fitted "at 192 dpi"
ok "WM_DPICHANGED at 192 dpi: the suggested frame taken, the layout at twice its size, as sized by the frame"

frame_to dpichanged 96 192
settle_whole
[ "$client_width x $client_height" = "865 x 437" ] ||
    fail "back at 96 dpi the client area is $client_width x $client_height"
same_whole initial || fail "back at 96 dpi the window differs from the one at the start"
ok "back at 96 dpi: the window at the start, pixel for pixel"

xdotool mousemove "$((client_x + 5))" "$((client_y + 5))" click 1
xdotool key F11
for _ in $(seq 50); do
    frame_to frame
    [ "$client_width x $client_height" = "1920 x 1080" ] && break
    sleep 0.1
done
[ "$client_width x $client_height" = "1920 x 1080" ] ||
    fail "F11: the client area is $client_width x $client_height, not the screen"
expect_fitted_start "full screen"
xdotool key Escape
sleep 0.5
frame_to frame
[ "$client_width x $client_height" = "1920 x 1080" ] || fail "Escape left full screen"
xdotool key F11
for _ in $(seq 50); do
    frame_to frame
    [ "$client_width x $client_height" = "865 x 437" ] && break
    sleep 0.1
done
settle_whole
same_whole initial || fail "out of full screen the window differs from the one at the start"
ok "F11 fills the screen with the scaled layout, Escape keeps it there, F11 gives the window back"

read_client_origin
click "${susumu_at[@]}"
pointer_away
wait_until "a step after the frame's changes" at_distance 1
ok "after all that, the window steps on as before"
echo "$test_number passed, 0 failed"
