#!/usr/bin/env bash
# A problem given on the command line: walked to its end by Page Down and by 自動, with the
# distance box and the blackboard's text read through MSAA at every step and the graph's corners
# on their pixels, and back by Page Up; a bad one opens today's lesson after a message box that
# names the key and why.
# Usage: problem_link.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots

# The trace on the graph paper at x seconds and y cm², 25 px a second and 28 px for 5 cm².
expect_trace() {
    local x=$1 y=$2 colours=$3 what=$4 shown
    shown=$(colour_at gamen "$(awk -v x="$x" 'BEGIN { printf "%d", 49 + 25 * x }')" \
        "$(awk -v y="$y" 'BEGIN { printf "%d", 200 - 28 * y / 5 }')")
    grep -qw -- "$shown" <<<"$colours" || fail "$what shows $shown, not one of $colours"
}

expect_whole_graph() {
    wait_until_still
    expect_trace 2 12 "$red" "the rising piece"
    expect_trace 4 24 "$red $brown" "the corner at 4 s"
    expect_trace 5.5 24 "$brown" "the flat piece"
    expect_trace 7 24 "$brown $magenta" "the corner at 7 s"
    expect_trace 9 12 "$magenta" "the falling piece"
    expect_trace 10.5 3 "$magenta" "the falling piece near its end"
}

start_display
build_msaa_client
start_and_look "$exe" "$problem1"
expect_step 0
click "${check2_at[@]}"
pointer_away
for x in $(seq 1 11); do
    xdotool key Next
    expect_step "$x"
done
expect_whole_graph
for x in $(seq 10 -1 0); do
    xdotool key Prior
    expect_step "$x"
done
look
for colour in "$red" "$brown" "$magenta"; do
    expect_none "$gamen_area" "$colour" "the graph traced back"
done
ok "a problem on the command line, walked by Page Down to its end and back by Page Up"

type_speed 1
xdotool key F5
expect_step 11
expect_whole_graph
ok "the same problem walked by 自動 to the end of its route"
click "${end_at[@]}"
expect_program_ends "終了"

start_wine_program "$exe" "https://example.org/tavilo.html#ab=0&route=BDCA"
msaa_client message >"$work/message.txt"
grep -q "^message${tab}リンクの問題を開けませんでした。" "$work/message.txt" ||
    fail "the message box read: $(cat "$work/message.txt")"
grep -q '^ab：' "$work/message.txt" || fail "the message names no key: $(cat "$work/message.txt")"
read_client_origin
pointer_away
wait_until "the first paint" is_colour window 5 430 "$olive"
wait_until_still
[ "$(control_line '黒板' | cut -f 5)" = '点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²' ] ||
    fail "a bad link opened: $(control_line '黒板')"
expect_colour kokuban 75 250 "$red" "the marker at B"
ok "a bad link opens today's lesson after a message box naming the key and why"
click "${end_at[@]}"
expect_program_ends "終了"
echo "$test_number passed, 0 failed"
