#!/usr/bin/env bash
# The Windows edition as a screen reader reads it, through the tests' MSAA client in the prefix:
# every control's name, role, states, value and description, and the texts the window raises
# for a screen reader to say wherever the focus is, after steps by the keyboard, the presenter
# keys and 初期画面, and the focus given back after a walk.
# Usage: screen_reader.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots
start_text='点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²'

# The client's lines for the controls of the tab order, in that order, and the window labels.
# Columns: name, role, states, value, description (the role and state names are Wine's).
controls_at_start="グラフ用紙${tab}graphic${tab}focused,focusable${tab}${tab}グラフ：まだかかれていません
終了${tab}push button${tab}focusable${tab}${tab}
点Ｐの進んだ距離（cm）${tab}text${tab}focusable${tab}0${tab}
表示速度${tab}combo box${tab}focusable${tab}20${tab}
初期画面${tab}push button${tab}focusable${tab}${tab}
グ　ラ　フ${tab}check button${tab}focusable${tab}${tab}
黒板${tab}graphic${tab}focusable${tab}${tab}$start_text
進む${tab}push button${tab}focusable${tab}${tab}
戻る${tab}push button${tab}focusable${tab}${tab}
自動${tab}push button${tab}focusable${tab}${tab}
ストップ${tab}push button${tab}unavailable,focusable${tab}${tab}
点Ｐの進んだ距離${tab}check button${tab}focusable${tab}${tab}
ヒント${tab}check button${tab}focusable${tab}${tab}"

expect_control() {
    grep -qxF -- "$1" "$work/controls.txt" ||
        fail "no control reads \"$1\"; the client read: $(cat "$work/controls.txt")"
}

# Starts the client listening for events in the background, and waits until it listens.
start_listening() {
    rm -f "$work/stop" "$work/events.txt"
    wine "$work/msaa_client.exe" events "Z:$work/stop" >"$work/events.txt" 2>/dev/null &
    listener_pid=$!
    for _ in $(seq 300); do
        grep -q ready "$work/events.txt" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "the MSAA client did not start listening"
}

wait_to_hear() {
    local deadline=$((SECONDS + 30))
    until tr -d '\r' <"$work/events.txt" | grep -qF -- "$1"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "waited in vain to hear \"$1\": $(cat "$work/events.txt")"
        sleep 0.1
    done
}

# Waits until the client has heard the text, then a second more for anything said after it,
# and stops the client; the texts said are then in $work/said.txt.
listen_until() {
    wait_to_hear "$1"
    sleep 1
    touch "$work/stop"
    wait "$listener_pid"
    tr -d '\r' <"$work/events.txt" >"$work/heard.txt"
    sed -n "s/^live$tab\([^$tab]*\)$tab.*/\1/p" "$work/heard.txt" >"$work/said.txt"
}

expect_said_once() {
    local count
    count=$(grep -cxF -- "$1" "$work/said.txt" || true)
    [ "$count" -eq 1 ] || fail "\"$1\" was said $count times: $(cat "$work/heard.txt")"
}

start_display
build_msaa_client
start_and_look "$exe"
keep_look initial

msaa_client controls >"$work/controls.txt"
[ "$(head -n 13 "$work/controls.txt")" = "$controls_at_start" ] ||
    fail "the controls at the start read: $(cat "$work/controls.txt")"
for label in 関数の利用 ヒント 点Ｐの進んだ距離 cm グ　ラ　フ 表示速度; do
    expect_control "$label${tab}static text${tab}read only${tab}${tab}"
done
ok "every control named, with its role, states, value and description, in the tab order"

# The client reads each object when it hears of it, as a screen reader does, so the Spaces wait
# until the focus is heard on 進む: the blackboard passed on the way is read with its start text.
start_listening
xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab
wait_to_hear "focus${tab}進む"
xdotool key --delay 60 $(printf 'space %.0s' $(seq 13))
listen_until '点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²'
expect_said_once '点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²'
[ "$(wc -l <"$work/said.txt")" -eq 13 ] && [ -z "$(sort "$work/said.txt" | uniq -d)" ] ||
    fail "13 steps were not said once each: $(cat "$work/said.txt")"
while read -r said; do
    [ "$(grep -cF -- "$said" "$work/heard.txt")" -eq 1 ] ||
        fail "an event besides the live region's carried \"$said\": $(cat "$work/heard.txt")"
done <"$work/said.txt"
# Its state is read a moment after the focus arrives, when it may have moved on.
grep -qx "focus${tab}黒板${tab}graphic${tab}[a-z,]*${tab}${tab}$start_text" \
    "$work/heard.txt" || fail "the blackboard was not heard with its text: $(cat "$work/heard.txt")"
ok "7 Tabs and 13 Spaces: the blackboard heard with its text, each step's text said once"

start_listening
click "${syokigamen_at[@]}"
pointer_away
listen_until "$start_text"
expect_said_once "$start_text"
ok "初期画面 says the start text"

start_listening
tick_box "${check2_at[@]}"
xdotool key --delay 100 Next Next Next
listen_until '点Ｐ：Ｂから3cm（辺ＢＡ上）、三角形ＰＢＣの面積 18cm²'
expect_said_once '点Ｐ：Ｂから3cm（辺ＢＡ上）、三角形ＰＢＣの面積 18cm²。グラフ：x = 0〜3、y = 6x（0〜3）'
msaa_client controls >"$work/controls.txt"
expect_control "グラフ用紙${tab}graphic${tab}focusable${tab}${tab}グラフ：x = 0〜3、y = 6x（0〜3）"
expect_control "グ　ラ　フ${tab}check button${tab}focused,checked,focusable${tab}${tab}"
expect_control "点Ｐの進んだ距離（cm）${tab}text${tab}focusable${tab} 3${tab}"
ok "3 steps by Page Down with グ　ラ　フ ticked: each followed by the graph's text, the graph described"

start_listening
click "${syokigamen_at[@]}"
pointer_away
listen_until "$start_text"
expect_said_once "$start_text。グラフ：まだかかれていません"
ok "初期画面 after the graph was drawn: the start text, then the empty graph's"

# F5 starts a walk from 初期画面, which the walk disables; Escape stops it in its first pause.
start_listening
xdotool key F5
sleep 1
xdotool key Escape
listen_until "focus${tab}初期画面"
msaa_client controls >"$work/controls.txt"
expect_control "初期画面${tab}push button${tab}focused,focusable${tab}${tab}"
ok "F5 and Escape on 初期画面: the walk ends with the focus back on 初期画面"
echo "$test_number passed, 0 failed"
