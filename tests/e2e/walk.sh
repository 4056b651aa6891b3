# Shared by the real-window tests of the desktop and the Windows edition (sourced after
# common.sh): the layout's colours, typing a speed, reading where P stands, and the checks of
# the start screen's figure and of typed speeds, which both editions pass alike.
# The places of the controls come from common.sh.
# shellcheck shell=bash disable=SC2034,SC2154

red=FF0000
white=FFFFFF
blue=0000FF
pink=FF80FF
brown=C04000
magenta=FF00FF
green=008000
olive=808000
paper=FFFFC0

milliseconds() {
    date +%s%3N
}

# Types into the speed box as a person does: a click into its edit field gives it the focus,
# Ctrl+A selects its text, and the keys replace it.
type_speed() {
    click "${combo1_edit_at[@]}"
    xdotool key ctrl+a
    xdotool type --delay 50 "$1"
    pointer_away
}

# Whether P has reached a distance on BA: the marker, the path highlight or the height line
# covers the white side up to there.
reached() {
    ! is_colour kokuban 75 $((250 - 25 * $1)) "$white"
}

at_distance() {
    reached "$1" && ! reached $(($1 + 1))
}

# Chooses an item of the open speed list with the pointer, in the list's popup window $popup.
choose_in_speed_list() {
    local item=$1 info top height
    info=$(xwininfo -id "$popup")
    top=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    height=$(sed -n 's/.*Height: *//p' <<<"$info")
    # Five items share the popup's height.
    xdotool mousemove "$((client_x + combo1_arrow_at[0] - 16))" \
        "$((top + height * (2 * item + 1) / 10))" click 1
    pointer_away
}

area_of_box() {
    echo "17x17+$(($1 - 8))+$(($2 - 8))"
}

tick_box() {
    local box
    box=$(area_of_box "$@")
    click "$@"
    wait_until "the tick in the box at $1, $2" differs initial "$box"
}

wait_for_buttons_back() {
    wait_until "ストップ disabled again" same_area initial "$tomeru_area"
}

# The figure and the graph paper of the start screen, in the current screenshot.
expect_start_figure() {
    expect_colour kokuban 200 150 "$green" "the blackboard"
    expect_colour kokuban 75 150 "$white" "side BA of the rectangle"
    expect_colour kokuban 225 50 "$white" "side AD of the rectangle"
    expect_colour kokuban 75 250 "$red" "the marker at B"
    expect_none "$kokuban_area" "$blue" "no shading"
    expect_none "$kokuban_area" "$pink" "the height line out of sight"
    expect_colour gamen 360 20 "$paper" "the graph paper"
    expect_colour gamen 69 100 "$green" "the vertical grid line at x = 70"
    expect_colour gamen 100 179 "$green" "the horizontal grid line at y = 180"
    for colour in "$red" "$brown" "$magenta"; do
        expect_none "$gamen_area" "$colour" "the graph trace out of sight"
    done
}

# Starts a walk by 自動 and sets elapsed to the milliseconds until P stands at C.
time_walk_to_c() {
    local start
    start=$(milliseconds)
    click "${jidou_at[@]}"
    pointer_away
    wait_until "P at C" is_colour kokuban 375 250 "$red"
    elapsed=$(($(milliseconds) - start))
}

full_width_speed() {
    local start elapsed
    type_speed "２０"
    click "${jidou_at[@]}"
    pointer_away
    wait_until "the first step of a fresh walk" at_distance 1
    start=$(milliseconds)
    wait_until "P at A" reached 8
    elapsed=$(($(milliseconds) - start))
    # Seven pauses of 400 ms; read as no number there would be none, read as 40 they take 5.6 s.
    if [ "$elapsed" -lt 2000 ] || [ "$elapsed" -ge 4800 ]; then
        fail "seven steps at a typed ２０ took $elapsed ms instead of 2800"
    fi
    click "${tomeru_at[@]}"
    pointer_away
    wait_for_buttons_back
    ok "\"２０\" typed in full-width digits walks at 400 ms a step ($elapsed ms for seven)"
}

# The wait after the first step would last 23 days. Stops the walk in it and sets elapsed to the
# milliseconds until the buttons are back.
stop_long_wait() {
    local start
    type_speed 99999999
    click "${jidou_at[@]}"
    pointer_away
    wait_until "the first step of a fresh walk" at_distance 1
    start=$(milliseconds)
    click "${tomeru_at[@]}"
    pointer_away
    wait_for_buttons_back
    elapsed=$(($(milliseconds) - start))
}

# The keys of a presenter's remote with the focus in the speed box, which would take Page Up and
# Page Down for itself; the speed typed is slow enough to press keys in the walk's first pause.
# Each test tells by its own p_on_ba_at where P stands. Three Page Downs and a Page Up leave P
# at 2.
page_keys_from_speed_box() {
    xdotool key --delay 50 Next Next Next
    wait_until "P at 3 by Page Down" p_on_ba_at 3
    xdotool key Prior
    wait_until "P back at 2 by Page Up" p_on_ba_at 2
}

# F5 starts a walk from B; Page Down in its first pause does nothing.
page_down_in_walk() {
    xdotool key F5
    wait_until "the walk's first step, from B" p_on_ba_at 1
    xdotool key --delay 50 Next Next
    sleep 0.5
    look
    p_on_ba_at 1 || fail "P left distance 1 on Page Down in the walk's first pause"
}

# Escape stops the walk where it is; Page Down steps on from there.
escape_from_walk() {
    xdotool key Escape
    wait_for_buttons_back
    p_on_ba_at 1 || fail "P left distance 1, where Escape stopped the walk"
    xdotool key Next
    wait_until "a step by Page Down after the stop" p_on_ba_at 2
}
