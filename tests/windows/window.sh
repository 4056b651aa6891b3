#!/usr/bin/env bash
# The Windows edition's window under Wine on Xvfb, driven by the pointer and real keys and read
# back from screenshots.
# Usage: window.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots

initial_screen() {
    keep_look initial
    expect_start_figure
    expect_colour window 5 430 "$olive" "the window's olive"
    expect_colour window 10 44 0000FF "the blue behind 関数の利用"
    expect_colour window 230 40 FFC0C0 "the face of 初期画面"
    expect_colour window 420 70 FFFF00 "the face of 進む"
    expect_colour window 300 70 00FFFF "the face of 戻る"
    ok "the start screen: rectangle, marker at B, grid, faces and colours of the layout"
}

# The focus starts on the graph paper; seven tabs bring it to 進む, and one Shift+Tab back to
# the blackboard, where Space does nothing.
keyboard() {
    xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab space
    wait_until "a step by the space bar" at_distance 1
    xdotool key --delay 60 shift+Tab space Tab space
    wait_until "a second step by the space bar" at_distance 2
    ok "Tab, Shift+Tab and Space move through the controls and press 進む"
    click "${syokigamen_at[@]}"
    pointer_away
    wait_until "the reset" same_area initial "$kokuban_area"
}

# The horizontal centre of the dark pixels of an axis number under x, in the graph's drawing
# area: a number fitted into the layout's advances stands centred under its grid line.
number_centre() {
    local x=$1
    convert "$work/current.png" -crop "20x14+$((gamen_origin[0] + x - 10))+$((gamen_origin[1] + 210))" \
        +repage -colorspace gray -threshold 50% -negate txt:- |
        awk -v left=$((x - 10)) -F'[,:]' '/#FFFFFF|white/ { sum += $1; n++ }
            END { if (n) printf "%d\n", left + sum / n + 0.5; else print -1 }'
}

expect_number_under() {
    local x=$1 centre
    centre=$(number_centre "$x")
    [ "$centre" -ge $((x - 3)) ] && [ "$centre" -le $((x + 3)) ] ||
        fail "the axis number under x = $x is centred at $centre"
}

steps_and_graph() {
    tick_box "${check2_at[@]}"
    for _ in $(seq 13); do
        click "${susumu_at[@]}"
        sleep 0.1
    done
    pointer_away
    wait_until "P on AD at distance 13" is_colour kokuban 200 50 "$red"
    wait_until_still
    expect_colour kokuban 225 200 "$blue" "the shading of triangle PBC at 13"
    expect_colour kokuban 120 100 "$green" "the blackboard left of the triangle"
    expect_colour gamen 89 140 "$red" "the rising piece of the graph"
    expect_colour gamen 175 80 "$brown" "the flat piece up to 13"
    expect_colour gamen 196 81 "$paper" "the paper beyond 13"
    expect_colour window 640 64 "$white" "the distance box"
    ok "13 steps, clicked quickly: the marker on AD, triangle PBC shaded, the graph up to 13"

    xdotool key --delay 40 $(printf 'Next %.0s' $(seq 15))
    wait_until "P at C" is_colour kokuban 375 250 "$red"
    wait_until_still
    expect_none "$kokuban_area" "$blue" "no shading with P at C"
    expect_colour gamen 189 80 "$brown" "the flat piece of the graph"
    expect_colour gamen 289 140 "$magenta" "the falling piece of the graph"
    expect_colour gamen 320 185 "$magenta" "the falling piece's end over 28"
    for x in 70 130 210 330; do
        expect_number_under "$x"
    done
    ok "28 steps: P at C, the whole graph, its end over the axis number 28, numbers centred"

    xdotool key --delay 40 $(printf 'Prior %.0s' $(seq 28))
    # Right of the tag Ｐ, which stepping back leaves beside B a little higher than at the start.
    wait_until "P back at B" same_area initial 359x309+96+114
    for colour in "$red" "$brown" "$magenta"; do
        expect_none "$gamen_area" "$colour" "the graph traced back to nothing"
    done
    ok "28 steps back to 0: the figure as at the start, the graph traced back"
}

three_boxes() {
    tick_box "${check1_at[@]}"
    tick_box "${check3_at[@]}"
    xdotool key --delay 40 $(printf 'Next %.0s' $(seq 9))
    wait_until "P on AD at distance 9" is_colour kokuban 100 150 "$pink"
    wait_until_still
    expect_colour kokuban 75 150 "$red" "the path highlight on BA"
    expect_colour kokuban 85 50 "$red" "the path highlight from A to P"
    expect_colour kokuban 200 50 "$white" "side AD beyond P"
    expect_colour kokuban 160 152 "$blue" "the shading of triangle PBC"
    ok "the three boxes ticked: path highlight, height line and graph at distance 9"
    click "${syokigamen_at[@]}"
    pointer_away
    wait_until "the reset" same_area initial "$gamen_area"
}

# The list's popup is a window of its own.
choose_speed() {
    local popup='' root
    root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    click "${combo1_arrow_at[@]}"
    for _ in $(seq 50); do
        popup=$(xdotool search --onlyvisible --name '' 2>/dev/null |
            grep -vx -e "$window" -e "$((root))" | head -n 1 || true)
        [ -n "$popup" ] && break
        sleep 0.1
    done
    [ -n "$popup" ] || fail "the speed list did not open"
    choose_in_speed_list "$1"
}

stop_walk_at_40() {
    choose_speed 4
    click "${jidou_at[@]}"
    pointer_away
    wait_until "the first step of the walk" at_distance 1
    click "${tomeru_at[@]}"
    pointer_away
    wait_for_buttons_back
    keep_look stopped
    sleep 1.2
    look
    same_area stopped "$kokuban_area" || fail "P walked on after ストップ"
    at_distance 1 || fail "the walk at 40 did not stop at distance 1"
    ok "a walk at \"40\" (chosen from the list) stopped in its first wait stays at 1"
}

typed_one() {
    local elapsed
    type_speed 1
    xdotool key Return
    time_walk_to_c
    # Completed to "10", the pauses alone would take 28 x 0.2 s.
    [ "$elapsed" -lt 4500 ] || fail "the walk at a typed 1 took $elapsed ms"
    wait_for_buttons_back
    ok "\"1\" and Enter typed into the speed box walk at 20 ms a step ($elapsed ms to C)"
}

stop_ends_long_wait() {
    local elapsed
    stop_long_wait
    ok "ストップ ends the wait of \"99999999\" at once ($elapsed ms)"
}

# Whether P stands at a distance of 1 to 7 on BA with the path and height boxes clear: the
# marker is red just there.
p_on_ba_at() {
    at_distance "$1"
}

# With the focus in the speed box, which would take Page Up and Page Down for itself. A typed
# speed of 200 waits 4 s after each step: time to press keys in the first pause.
presenter_keys() {
    click "${syokigamen_at[@]}"
    wait_until "the reset" at_distance 0
    type_speed 200
    page_keys_from_speed_box
    page_down_in_walk
    escape_from_walk
    ok "Page Down, Page Up, F5 and Escape from the speed box; Page Down does nothing in a walk"
}

end_button_during_walk() {
    type_speed 20
    click "${jidou_at[@]}"
    wait_until "the first step of the walk" at_distance 1
    click "${end_at[@]}"
    expect_program_ends "終了"
    ok "終了 ends the program in the middle of a walk"
}

start_display
start_and_look "$exe"
initial_screen
keyboard
steps_and_graph
three_boxes
stop_walk_at_40
typed_one
full_width_speed
stop_ends_long_wait
presenter_keys
end_button_during_walk
echo "$test_number passed, 0 failed"
