#!/usr/bin/env bash
# The installed program in a real X window (Xvfb, no window manager), driven by pointer clicks
# and keys and read back from screenshots.
# Usage: real_window.sh BUILD_FOLDER
set -euo pipefail
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"
# shellcheck source=tests/e2e/walk.sh
source "$(dirname "$0")/walk.sh"

build=$1
keep_folder=$build/e2e-screenshots

# Opens the speed list with its arrow and sets popup to the list's popup window.
open_speed_list() {
    popup=''
    click "${combo1_arrow_at[@]}"
    for _ in $(seq 50); do
        popup=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | grep -vx "$window" |
            head -n 1 || true)
        [ -n "$popup" ] && return 0
        sleep 0.1
    done
    fail "the speed list did not open"
}

choose_speed() {
    open_speed_list
    choose_in_speed_list "$1"
}

# The height of the speed list's popup window; Escape closes the list again.
speed_list_height() {
    open_speed_list
    xwininfo -id "$popup" | sed -n 's/.*Height: *//p'
    xdotool key Escape
    pointer_away
}

# Presses 初期画面 and expects the blackboard, the graph paper and the distance box of the
# initial screen.
reset_to_initial_screen() {
    click "${syokigamen_at[@]}"
    pointer_away
    wait_until "the reset" same_area initial "$kokuban_area"
    wait_until_still
    same_area initial "$gamen_area" || fail "the reset left the graph paper changed"
    same_area initial "$text1_area" || fail "the reset did not write 0 into the distance box"
}

initial_screen() {
    wait_until "the first paint" is_colour window 5 430 "$olive"
    wait_until_still
    keep_look initial
    expect_start_figure
    ok "the initial screen: rectangle, marker at B, grid, nothing shaded or traced"

    local icons
    icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort | tr '\n' ' ')
    [ "$icons" = "Icon (16 x 16) Icon (32 x 32) " ] || fail "the window icon has $icons"
    ok "the window carries the program icon at 16 and 32 pixels"
}

keyboard() {
    xdotool windowfocus --sync "$window"
    # The focus starts on the graph paper; seven tabs bring it to "進む".
    xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab space
    wait_until "a step by the space bar" is_colour kokuban 75 225 "$red"
    expect_colour kokuban 148 240 "$blue" "the triangle of distance 1"
    # "戻る", "自動" and, past the disabled "ストップ", the path box.
    xdotool key --delay 50 Tab Tab Tab space
    wait_until "the path highlight from the space bar" is_colour kokuban 75 240 "$red"
    xdotool key space
    wait_until "the path highlight parked again" is_colour kokuban 75 240 "$white"
    ok "Tab moves through the controls; Space presses a button and ticks a box"

    reset_to_initial_screen
    ok "初期画面 brings back the initial screen pixel for pixel"
}

steps_with_boxes() {
    tick_box "${check1_at[@]}"
    tick_box "${check2_at[@]}"
    tick_box "${check3_at[@]}"
    for _ in $(seq 9); do
        click "${susumu_at[@]}"
        sleep 0.15
    done
    pointer_away
    wait_until "P on AD at distance 9" is_colour kokuban 100 150 "$pink"
    wait_until_still
    keep_look nine
    expect_colour kokuban 75 150 "$red" "the path highlight on BA"
    expect_colour kokuban 85 50 "$red" "the path highlight from A to P"
    expect_colour kokuban 200 50 "$white" "side AD beyond P"
    expect_colour kokuban 88 150 "$white" "side PB of the triangle"
    expect_colour kokuban 160 152 "$blue" "the shading of triangle PBC"
    expect_colour kokuban 80 100 "$green" "the blackboard left of the triangle"
    expect_colour kokuban 300 80 "$green" "the blackboard right of the triangle"
    expect_colour gamen 89 140 "$red" "the rising piece of the graph"
    expect_colour gamen 134 80 "$brown" "the flat piece of the graph"
    expect_none "$gamen_area" "$magenta" "the falling piece out of sight"
    ok "nine steps with the boxes on: highlight, height line, shading and graph at distance 9"

    click "${modoru_at[@]}"
    pointer_away
    wait_until "P back at A" is_colour kokuban 75 150 "$pink"
    wait_until_still
    expect_colour kokuban 85 50 "$white" "side AD after the highlight left it"
    expect_colour kokuban 148 152 "$blue" "the shading of triangle ABC"
    expect_none "$gamen_area" "$brown" "the flat piece parked"
    expect_colour gamen 89 140 "$red" "the rising piece kept"
    ok "a step back to A parks the pieces of side AD"

    click "${susumu_at[@]}"
    pointer_away
    wait_until "P on AD again" is_colour kokuban 100 150 "$pink"
    wait_until_still
    same_area nine "$kokuban_area" || fail "the blackboard differs from the first time at 9"
    same_area nine "$gamen_area" || fail "the graph differs from the first time at 9"
    same_area nine "$text1_area" || fail "the distance differs from the first time at 9"
    ok "a step forward again shows distance 9 pixel for pixel"
}

# A window of another program over ours, then gone: the figure, the shading and the grid must
# come back as they were.
cover_and_uncover() {
    local geometry=$1 cover
    xmessage -geometry "$geometry" "covering the window" &
    cover=$!
    wait_until "the covering window" differs nine "$kokuban_area"
    kill "$cover"
    wait "$cover" 2>/dev/null || true
    wait_until "the uncovered window" same_area nine "$kokuban_area"
    wait_until_still
    same_area nine "$kokuban_area" || fail "the blackboard did not come back"
    same_area nine "$gamen_area" || fail "the graph paper did not come back"
    same_area nine "$text1_area" || fail "the distance box did not come back"
    ok "covered by $geometry and uncovered: the window comes back pixel for pixel"
}

automatic_play() {
    local start
    choose_speed 0
    wait_until "the speed 01" differs initial 41x21+808+112
    start=$SECONDS
    click "${jidou_at[@]}"
    pointer_away
    wait_until "P at C" is_colour kokuban 375 250 "$red"
    # At "20" the pauses alone would take 28 x 0.4 s.
    [ $((SECONDS - start)) -lt 11 ] || fail "the walk at 01 took $((SECONDS - start)) s"
    wait_until "the buttons back after the walk" same_area initial "$tomeru_area"
    wait_until_still
    expect_none "$kokuban_area" "$blue" "no shading with P on BC"
    expect_none "$kokuban_area" "$pink" "no height line with P on BC"
    expect_colour kokuban 75 150 "$red" "the path highlight on BA"
    expect_colour kokuban 225 50 "$red" "the path highlight on AD"
    expect_colour kokuban 375 150 "$red" "the path highlight on DC"
    expect_colour gamen 89 140 "$red" "the rising piece of the graph"
    expect_colour gamen 189 80 "$brown" "the flat piece of the graph"
    expect_colour gamen 289 140 "$magenta" "the falling piece of the graph"
    ok "自動 at 01 walks P to C in one click, with the whole graph"
}

stop_walk() {
    choose_speed 3
    click "${jidou_at[@]}"
    pointer_away
    wait_until "the first step of the walk" is_colour kokuban 75 225 "$red"
    click "${tomeru_at[@]}"
    pointer_away
    wait_for_buttons_back
    wait_until_still
    keep_look stopped
    sleep 1.5
    look
    same_area stopped "$kokuban_area" || fail "P walked on after ストップ"
    expect_colour kokuban 375 250 "$white" "corner C, which P has not reached"
    ok "ストップ ends the walk before its next step"

    click "${susumu_at[@]}"
    pointer_away
    wait_until "a step after the stop" differs stopped "$kokuban_area"
    ok "進む goes on from where the walk stopped"
}

# Speeds typed into the speed box: none is completed from the list or added to it.
typed_enter_adds_nothing() {
    local five
    five=$(speed_list_height)
    type_speed 3
    xdotool key Return
    [ "$(speed_list_height)" = "$five" ] || fail "Enter added the typed 3 to the speed list"
    ok "\"3\" and Enter in the speed box leave the list at its five speeds"
}

typed_speed_not_completed() {
    local elapsed
    type_speed 1
    time_walk_to_c
    # Completed to "10", the pauses alone would take 28 x 0.2 s.
    [ "$elapsed" -lt 4000 ] || fail "the walk at a typed 1 took $elapsed ms"
    wait_until "the buttons back after the walk" same_area initial "$tomeru_area"
    ok "\"1\" typed into the speed box walks at 20 ms a step ($elapsed ms to C)"
}

stop_ends_long_wait() {
    local elapsed
    stop_long_wait
    click "${susumu_at[@]}"
    pointer_away
    wait_until "a step by 進む" at_distance 2
    ok "ストップ ends the wait of \"99999999\" at once ($elapsed ms); 進む steps on"
    # A pick from the list replaces the typed text, for the walks that follow.
    choose_speed 1
}

reset_keeps_choices() {
    reset_to_initial_screen
    same_area initial "$(area_of_box "${check1_at[@]}")" && fail "the reset cleared a box"
    ok "初期画面 after a walk: the initial screen again, the boxes still ticked"
}

# Whether P stands at a distance of 1 to 7 on BA. With the boxes ticked the height line runs from
# B up to P and hides the marker but for its top: red just above P means P is there, neither one
# step below (white side BA) nor above (pink line).
p_on_ba_at() {
    is_colour kokuban 75 $((247 - 25 * $1)) "$red"
}

# The keys of a presenter's remote, with the focus in the speed box, which would take Page Up and
# Page Down for itself. A typed speed of 200 waits 4 s after each step: time to press keys in the
# first pause. The speed goes back to 20 for the tests that follow.
presenter_remote() {
    click "${combo1_edit_at[@]}"
    pointer_away
    xdotool key ctrl+a
    xdotool type 200
    page_keys_from_speed_box
    ok "Page Down three times, then Page Up, leave P at 2"

    page_down_in_walk
    ok "F5 starts a walk from B; Page Down during the walk does nothing"

    escape_from_walk
    ok "Escape stops the walk; Page Down steps on from there"
    choose_speed 3
}

end_button_during_walk() {
    click "${jidou_at[@]}"
    wait_until "the first step of the walk" is_colour kokuban 75 225 "$red"
    click "${end_at[@]}"
    expect_program_ends "終了"
    ok "終了 ends the program in the middle of a walk"
}

install_program "$build"
start_display
start_program "$installed_binary"
move_window_to_corner
read_client_origin
pointer_away

initial_screen
keyboard
steps_with_boxes
cover_and_uncover 1024x600+0+0
cover_and_uncover 400x250+300+200
automatic_play
stop_walk
reset_keeps_choices
presenter_remote
typed_enter_adds_nothing
typed_speed_not_completed
full_width_speed
stop_ends_long_wait
end_button_during_walk
echo "$test_number passed, 0 failed"
