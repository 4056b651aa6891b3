#!/usr/bin/env bash
# The frame is an ordinary resizable one with minimise and maximise boxes, and the layout stays
# as it is whatever its size: sized larger, smaller and maximised through Win32 by the tests'
# MSAA client, the window shows the same pixels where the layout lies, the window's olive
# beyond it, and only the layout's upper left part when smaller.
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

# The whole client area, however large, into $work/whole.png.
look_whole() {
    import -window root -crop "${client_width}x${client_height}+$client_x+$client_y" +repage \
        "$work/whole.png"
}

expect_olive_beyond() {
    local x=$((client_width - 3)) y=$((client_height - 3)) colour
    look_whole
    colour=$(convert "$work/whole.png" -format "%[hex:u.p{$x,$y}]" info:)
    [ "$colour" = "$olive" ] || fail "$1: ($x, $y) shows $colour instead of the window's olive"
    colour=$(convert "$work/whole.png" -format "%[hex:u.p{900,200}]" info:)
    [ "$colour" = "$olive" ] || fail "$1: right of the layout shows $colour"
}

expect_layout_unmoved() {
    local area=${2:-865x437+0+0}
    wait_until_still
    same_area initial "$area" || fail "$1: the layout's pixels in $area moved or changed"
}

start_display
build_msaa_client
start_and_look "$exe"
keep_look initial
styles=$(msaa_client frame | sed -n 's/^style\t//p')
for style in caption sysmenu thickframe minimizebox maximizebox; do
    grep -qw "$style" <<<"$styles" || fail "the frame lacks $style: it has $styles"
done
frame_size=$(msaa_client frame | sed -n 's/^frame\t//p' | tr '\t' ' ')
ok "the frame has a caption, the system menu, a sizing border, minimise and maximise boxes"

frame_to resize 1000 560
[ "$client_width" -gt 900 ] && [ "$client_height" -gt 500 ] ||
    fail "the frame did not grow: the client area is $client_width x $client_height"
expect_layout_unmoved "a larger frame"
expect_olive_beyond "a larger frame"
ok "a larger frame ($client_width x $client_height): the layout where it was, olive beyond it"

frame_to resize 600 300
expect_layout_unmoved "a smaller frame" "${client_width}x${client_height}+0+0"
ok "a smaller frame ($client_width x $client_height): the layout's upper left part as it was"

frame_to maximize
expect_layout_unmoved "the maximised frame"
expect_olive_beyond "the maximised frame"
ok "maximised ($client_width x $client_height): the layout where it was, olive beyond it"

frame_to restore
[ "$client_width" -lt 865 ] || fail "restoring did not give back the smaller frame"
# shellcheck disable=SC2086
frame_to resize $frame_size
expect_layout_unmoved "the frame restored to its first size"
click "${susumu_at[@]}"
pointer_away
wait_until "a step after the frame's changes" at_distance 1
ok "restored and sized back, the window steps on as before"
echo "$test_number passed, 0 failed"
