#!/usr/bin/env bash
# The setup window 問題の設定 under Wine, driven by real keys and clicks and read through MSAA:
# opened by Ctrl+, and by the lesson's context menu (a right click anywhere, the menu key and
# Shift+F10 at the focused control), modal to the lesson, every field and button named; problem 1
# typed with a full-width digit, chosen from the lists by keys, applied by Enter and walked; a bad
# value in each field blamed beside it; キャンセル, Escape and the close box leaving the lesson as it
# was; the link copied to the clipboard; the lesson maximised and the setup window at 192 dpi each
# at its own scale.
# Usage: setup_window.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots
graph1='グラフ：x = 0〜11、y = 6x（0〜4）、y = 24（4〜7）、y = −6x + 66（7〜11）'
no_preview='使えない項目があるので、見本はかけません'

# The setup window's controls of the tab order, in that order, as the client reads them when the
# window opens on today's problem. Columns: name, role, states, value, description.
setup_at_start="図形${tab}combo box${tab}focused,focusable${tab}長方形${tab}
ＡＢ（cm）${tab}text${tab}focusable${tab}8${tab}
ＢＣ（cm）${tab}text${tab}focusable${tab}12${tab}
ＡＤ（cm）${tab}text${tab}unavailable,focusable${tab}${tab}
点Ｐの動き${tab}text${tab}focusable${tab}BADC${tab}
三角形（Ｐと２つの点）${tab}text${tab}focusable${tab}BC${tab}
Ｍを真ん中の点とする辺${tab}text${tab}unavailable,focusable${tab}${tab}
速さ（毎秒 cm）${tab}combo box${tab}focusable${tab}1${tab}
リンク${tab}text${tab}read only,focusable${tab}figure=rectangle&ab=8&bc=12&route=BADC&triangle=BC${tab}
リンクをコピー${tab}push button${tab}focusable${tab}${tab}
図形の見本${tab}graphic${tab}focusable${tab}${tab}点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²
グラフの見本${tab}graphic${tab}focusable${tab}${tab}グラフ：x = 0〜28、y = 6x（0〜8）、y = 48（8〜20）、y = −6x + 168（20〜28）
教科書の問題に戻す${tab}push button${tab}focusable${tab}${tab}
この問題にする${tab}push button${tab}focusable${tab}${tab}
キャンセル${tab}push button${tab}focusable${tab}${tab}"

setup_line() {
    msaa_client setup controls | grep -m 1 "^$1$tab"
}

# A column of a control's line: 3 its states, 4 its value, 5 its description.
setup_column() {
    setup_line "$1" | cut -f "$2"
}

is_open() {
    msaa_client setup frame | grep -q "^style$tab.*\bvisible\b"
}

is_closed() {
    ! is_open
}

expect_open() {
    wait_until "$1: the setup window to open" is_open
}

expect_closed() {
    wait_until "$1: the setup window to close" is_closed
    msaa_client frame | grep -q "^style$tab.*\bdisabled\b" && fail "$1: the lesson stayed disabled"
    msaa_client frame | grep -qx "active${tab}yes" || fail "$1: the lesson is not the active window"
}

# The centre of a control, named as the client names it, in the lesson's window or ("setup") in
# the setup window.
centre_of() {
    local where=$1 name=$2 line
    # shellcheck disable=SC2086
    line=$(msaa_client $where locations | grep -m 1 "^$name$tab") || fail "no control named $name"
    awk -F "$tab" '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }' <<<"$line"
}

click_named() {
    local x y
    read -r x y < <(centre_of "$1" "$2")
    xdotool mousemove "$x" "$y" click "${3:-1}"
}

# Replaces a field's text as a person does: a click into it, Ctrl+A, the keys.
fill() {
    click_named setup "$1"
    xdotool key ctrl+a
    if [ -n "$2" ]; then
        xdotool type --delay 60 "$2"
    else
        xdotool key BackSpace
    fi
    sleep 0.3
}

expect_value() {
    local value
    value=$(setup_column "$1" 4)
    [ "$value" = "$2" ] || fail "$3: $1 reads \"$value\", not \"$2\""
}

focused_control() {
    msaa_client controls | awk -F "$tab" '$3 ~ /(^|,)focused/ { print $1; exit }'
}

# The lesson's step and boxes, as the client reads them; where the focus is is checked apart, as
# the lesson has none while the setup window is open.
lesson_state() {
    msaa_client controls |
        awk -F "$tab" '$2 != "static text" { sub(/focused,/, "", $3); print $1, $3, $4, $5 }'
}

# The open popup menu's top-left corner on the screen.
menu_at() {
    msaa_client menu | sed -n "s/^menu$tab//p" | tr '\t' ' '
}

# The window's context menu is opened and its one item chosen by the keyboard.
choose_menu_item() {
    [ -n "$(menu_at)" ] || fail "$1: no menu opened"
    xdotool key Down Return
}

# Where each message beside the fields is empty or not, top to bottom: "-" empty, "x" not. The
# messages are the labels as wide as the column right of the fields (570 pixels at the scale 1).
messages() {
    msaa_client setup locations |
        awk -F "$tab" '$4 == 570 && $5 == 20 { print $3, ($1 == "" ? "-" : "x") }' |
        sort -n | cut -d ' ' -f 2 | tr -d '\n'
}

expect_messages() {
    local shown deadline=$((SECONDS + 5))
    until shown=$(messages) && [ "$shown" = "$1" ]; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "$2: the messages beside the fields are $shown, not $1: $(msaa_client setup controls)"
        sleep 0.3
    done
}

# Large enough for the setup window at twice its size.
start_on_screen 1920x1440 "$exe"

# Ctrl+, from the blackboard, which a click gives the focus.
click 200 200
xdotool key ctrl+comma
expect_open "Ctrl+,"
msaa_client setup frame >"$work/frame.txt"
styles=$(sed -n "s/^style$tab//p" "$work/frame.txt")
for style in caption sysmenu thickframe popup visible; do
    grep -qw "$style" <<<"$styles" || fail "the setup window lacks $style: it has $styles"
done
for style in minimizebox maximizebox appwindow disabled; do
    grep -qw "$style" <<<"$styles" && fail "the setup window has $style: $styles"
done
grep -qx "caption${tab}問題の設定" "$work/frame.txt" || fail "the caption: $(cat "$work/frame.txt")"
grep -qx "owner${tab}３.一次関数 (by Oskavel)" "$work/frame.txt" ||
    fail "the setup window is not the lesson's: $(cat "$work/frame.txt")"
grep -qx "active${tab}yes" "$work/frame.txt" || fail "the setup window is not active"
grep -qx "client${tab}[0-9]*${tab}[0-9]*${tab}850${tab}671" "$work/frame.txt" ||
    fail "the setup window's client area is not the layout's size: $(cat "$work/frame.txt")"
msaa_client frame | grep -q "^style$tab.*\bdisabled\b" || fail "the lesson is not disabled"
ok "Ctrl+, opens 問題の設定: a popup with caption and close box owned by the lesson, active, the lesson disabled"

msaa_client setup controls >"$work/controls.txt"
[ "$(head -n 15 "$work/controls.txt")" = "$setup_at_start" ] ||
    fail "the setup window's controls read: $(cat "$work/controls.txt")"
for label in 図形 ＡＢ ＢＣ ＡＤ 点Ｐの動き 三角形Ｐ Ｍは辺 の真ん中 速さ　毎秒 cm リンク; do
    grep -q "^$label${tab}static text${tab}read only${tab}" "$work/controls.txt" ||
        fail "no label reads $label: $(cat "$work/controls.txt")"
done
ok "every field and button named, with its role, states and value, in the tab order; the labels"

before=$(lesson_state)
xdotool key --delay 80 Tab Tab
[ "$(setup_column 'ＢＣ（cm）' 3)" = focused,focusable ] || fail "two Tabs did not reach ＢＣ"
# Moved aside, so that the lesson's buttons are in sight.
msaa_client setup move 900 0 >/dev/null
click "${susumu_at[@]}"
xdotool key F5 Next
sleep 0.5
is_open || fail "the setup window closed by a click or a key in the lesson"
xdotool key Escape
expect_closed "Escape"
[ "$(lesson_state)" = "$before" ] || fail "the lesson changed while the setup window was open"
[ "$(focused_control)" = 黒板 ] || fail "the focus went back to $(focused_control), not to 黒板"
ok "Tab moves through the fields; the lesson takes no click or key meanwhile; Escape gives it back"

# The context menu: a right click on the window's olive, on the distance box, on the blackboard.
xdotool mousemove "$((client_x + 5))" "$((client_y + 430))" click 3
[ "$(menu_at)" = "$((client_x + 5)) $((client_y + 430))" ] || fail "the menu is not at the pointer"
choose_menu_item "a right click on the window"
expect_open "the context menu's item"
xdotool key Escape
expect_closed "Escape"
for control in '点Ｐの進んだ距離（cm）' 黒板 終了; do
    click_named "" "$control" 3
    choose_menu_item "a right click on $control"
    expect_open "the item of the menu on $control"
    xdotool key Escape
    expect_closed "Escape"
done
ok "a right click on the window, the distance box, the blackboard or a button opens the window's menu, whose item opens 問題の設定"

read -r x y < <(msaa_client locations | awk -F "$tab" -v name=黒板 '$1 == name { print $2, $3 + $5 }')
for key in shift+F10 Menu; do
    xdotool key "$key"
    [ "$(menu_at)" = "$x $y" ] || fail "$key: the menu is at $(menu_at), not under 黒板 at $x $y"
    xdotool key Escape
    sleep 0.3
    is_open && fail "$key: Escape in the menu opened the window"
done
xdotool key Menu
choose_menu_item "the menu key"
expect_open "the menu key's menu"
xdotool key Escape
expect_closed "Escape"
ok "the menu key and Shift+F10 open the menu at the focused control; Escape closes only the menu"

# Problem 1, the figure and the speed chosen from their lists by keys, AB typed full-width.
xdotool key ctrl+comma
expect_open "Ctrl+,"
xdotool key Down
expect_value 図形 正方形 "Down in the figure list"
[ "$(setup_column 'ＢＣ（cm）' 3)" = unavailable,focusable ] || fail "a square's ＢＣ is not disabled"
expect_value 'ＢＣ（cm）' 8 "a square's ＢＣ"
xdotool key Up
expect_value 図形 長方形 "Up in the figure list"
fill 'ＡＢ（cm）' "６"
expect_value 'ＡＢ（cm）' "６" "the full-width digit"
fill 'ＢＣ（cm）' 8
fill 点Ｐの動き BCDA
fill '三角形（Ｐと２つの点）' AB
click_named setup '速さ（毎秒 cm）'
xdotool key Down
sleep 0.3
expect_value '速さ（毎秒 cm）' 2 "Down in the speed list"
expect_value リンク "$problem1" "problem 1 typed"
[ "$(setup_column グラフの見本 5)" = "$graph1" ] ||
    fail "the graph's preview reads $(setup_column グラフの見本 5)"
[ "$(setup_column この問題にする 3)" = focusable ] || fail "この問題にする is not enabled"
ok "problem 1 typed with a full-width ６ and chosen from the lists by keys: its link and its graph"

xdotool key Return
expect_closed "Enter"
[ "$(focused_control)" = 黒板 ] || fail "after applying the focus is on $(focused_control)"
expect_step 0
for x in $(seq 1 11); do
    xdotool key Next
    expect_step "$x"
done
ok "Enter applies problem 1: the lesson at its start, walked to its end by Page Down"

# A bad value in each field that counts, then the good one back.
xdotool key Prior Prior Prior
expect_step 8
before=$(lesson_state)
click_named "" 黒板 3
choose_menu_item "a right click on the blackboard"
expect_open "the context menu's item"
expect_value リンク "$problem1" "opened on problem 1"
expect_messages -------- "problem 1"
while IFS=: read -r field bad good shown; do
    fill "$field" "$bad"
    expect_messages "$shown" "$field $bad"
    [ "$(setup_column この問題にする 3)" = unavailable,focusable ] ||
        fail "$field $bad: この問題にする is enabled"
    [ "$(setup_column グラフの見本 5)" = "$no_preview" ] || fail "$field $bad: a preview is drawn"
    fill "$field" "$good"
    expect_messages -------- "$field $good"
done <<EOF
ＡＢ（cm）:0:６:-x------
ＢＣ（cm）:３１:8:--x-----
点Ｐの動き:BD:BCDA:----x---
三角形（Ｐと２つの点）:BB:AB:-----x--
速さ（毎秒 cm）:7:2:-------x
EOF
# A click opens the figure list; Enter there chooses the item and closes the list, nothing more.
click_named setup 図形
xdotool key Down Down Return
sleep 0.3
is_open || fail "Enter in the open figure list closed the setup window"
expect_value 図形 直角台形 "Down twice in the open figure list"
expect_messages ---x---- "直角台形 with no ＡＤ"
fill 'ＡＤ（cm）' 0
expect_messages ---x---- "ＡＤ 0"
# ＣＤ is √61 cm long with ＡＤ 3, which P cannot walk in whole seconds; 10 cm with ＡＤ 16.
fill 'ＡＤ（cm）' 3
expect_messages ----x--- "ＡＤ 3 with the route through ＣＤ"
fill 'ＡＤ（cm）' 16
expect_messages -------- "ＡＤ 16"
click_named setup 図形
xdotool key Up Up Return
expect_value 図形 長方形 "Up twice in the open figure list"
fill '三角形（Ｐと２つの点）' CM
expect_messages ------x- "the triangle PCM with no side for M"
fill 'Ｍを真ん中の点とする辺' AC
expect_messages ------x- "M on AC"
fill '三角形（Ｐと２つの点）' AB
expect_messages -------- "the triangle PAB again"
ok "a bad value in ＡＢ, ＢＣ, ＡＤ, the route, the triangle, Ｍ's side or the speed disables この問題にする and says why beside that field only"

xdotool key Escape
expect_closed "Escape"
[ "$(lesson_state)" = "$before" ] || fail "Escape changed the lesson: $(lesson_state)"
[ "$(focused_control)" = 黒板 ] || fail "after Escape the focus is on $(focused_control)"
[ "$(control_line ストップ | cut -f 3)" = unavailable,focusable ] || fail "ストップ changed"
xdotool key ctrl+comma
expect_open "Ctrl+, again"
expect_value リンク "$problem1" "opened again after Escape"
fill 'ＡＢ（cm）' 9
click_named setup キャンセル
expect_closed "キャンセル"
[ "$(lesson_state)" = "$before" ] || fail "キャンセル changed the lesson: $(lesson_state)"
[ "$(focused_control)" = 黒板 ] || fail "after キャンセル the focus is on $(focused_control)"
xdotool key ctrl+comma
expect_open "Ctrl+, again"
fill 'ＡＢ（cm）' 9
xdotool key alt+F4
expect_closed "Alt+F4"
[ "$(lesson_state)" = "$before" ] || fail "Alt+F4 changed the lesson: $(lesson_state)"
kill -0 "$program_pid" 2>/dev/null || fail "Alt+F4 in the setup window ended the program"
ok "Escape, キャンセル and Alt+F4 leave the lesson's step, boxes and focus as they were"

xdotool key ctrl+comma
expect_open "Ctrl+,"
msaa_client clipboard | grep -qx "clipboard${tab}$problem1" && fail "the link is on the clipboard already"
click_named setup リンクをコピー
msaa_client clipboard | grep -qx "clipboard${tab}$problem1" ||
    fail "the clipboard holds $(msaa_client clipboard)"
ok "リンクをコピー puts the link on the clipboard"
xdotool key Escape
expect_closed "Escape"

# The lesson maximised has its own fit; the setup window over it has its own, and opening and
# closing it leaves the lesson drawing at its scale: 初期画面 draws the same picture before and
# after.
area=$(msaa_client maximize | sed -n "s/^client$tab//p")
read -r left top width height <<<"$area"
look_all() {
    sleep 1
    import -window root -crop "${width}x${height}+$left+$top" +repage "$work/current.png"
}
click_named "" 初期画面
look_all
cp "$work/current.png" "$work/maximised.png"
xdotool key ctrl+comma
expect_open "Ctrl+, over the maximised lesson"
msaa_client setup frame | grep -qx "client${tab}[0-9]*${tab}[0-9]*${tab}850${tab}671" ||
    fail "over the maximised lesson the setup window is not at the layout's size"
xdotool key Escape
expect_closed "Escape"
click_named "" 初期画面
look_all
[ "$(compare -metric AE "$work/maximised.png" "$work/current.png" null: 2>&1)" = 0 ] ||
    fail "after the setup window the maximised lesson draws differently"
msaa_client restore >/dev/null
ok "over the maximised lesson the setup window at its own size; the lesson draws at its own scale after"

xdotool key ctrl+comma
expect_open "Ctrl+,"
msaa_client setup dpichanged 192 | grep -qx "client${tab}[0-9]*${tab}[0-9]*${tab}1700${tab}1342" ||
    fail "at 192 dpi the setup window's client area is not twice the layout"
read -r x y < <(centre_of setup この問題にする)
read -r left top < <(msaa_client setup frame | sed -n "s/^client$tab//p" | cut -f 1,2)
[ "$((x - left)) $((y - top))" = "1348 1290" ] ||
    fail "at 192 dpi この問題にする is centred at $((x - left)) $((y - top)), not 1348 1290"
msaa_client setup dpichanged 96 192 | grep -qx "client${tab}[0-9]*${tab}[0-9]*${tab}850${tab}671" ||
    fail "back at 96 dpi the setup window is not at the layout's size"
xdotool key Escape
expect_closed "Escape"
ok "told it is at 192 dpi, the setup window fits its layout at twice its size, and back"

click "${end_at[@]}"
expect_program_ends "終了"
echo "$test_number passed, 0 failed"
