# Shared by the Windows edition's tests (sourced): the program under Wine in a virtual X display,
# with the real-window tests' helpers for clicking and reading pixels back from screenshots.
# Needs WINEPREFIX, a prefix made once for the whole run by tools/test-windows.sh.
# shellcheck shell=bash
# shellcheck source=tests/e2e/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/common.sh"
# shellcheck source=tests/e2e/walk.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/walk.sh"

: "${WINEPREFIX:?the tests need the prefix that tools/test-windows.sh makes}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Starts an exe under Wine, with the arguments after it, and sets program_pid and window, its top-level X window. Wine's
# launcher (start.exe) waits for the program and ends with its exit status; the window belongs to
# a process of its own, so it is found by its caption, alone in the test's display. The first
# start in a fresh prefix once took over 30 s on a busy machine, so it has a minute.
start_wine_program() {
    wine "$@" &
    program_pid=$!
    x_session_pids+=("$program_pid")
    window=
    for _ in $(seq 600); do
        window=$(xdotool search --onlyvisible --name 'by Oskavel' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    fail "the program's window did not appear"
}

# Wine draws the frame itself (the prefix has no managed windows), so the X window holds the
# frame: borders of equal width round the client area, and the caption above it.
read_client_origin() {
    local info left top width height
    info=$(xwininfo -id "$window")
    left=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    top=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    width=$(sed -n 's/.*Width: *//p' <<<"$info")
    height=$(sed -n 's/.*Height: *//p' <<<"$info")
    frame_border=$(((width - 865) / 2))
    client_x=$((left + frame_border))
    client_y=$((top + height - frame_border - 437))
    frame_right=$((left + width))
    frame_top=$top
}

# The program's window at the start, drawn: its client area's corners show the window's olive.
start_and_look() {
    start_wine_program "$@"
    read_client_origin
    pointer_away
    wait_until "the first paint" is_colour window 5 430 "$olive"
    wait_until_still
}

# A display of the given size, a Wine server that learns it (Wine learns the screen's size as the
# first program of the prefix starts: a server still running from an earlier test would keep that
# test's screen), the MSAA client, and the program at its start.
start_on_screen() {
    local size=$1
    shift
    start_display "$size"
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    build_msaa_client
    start_and_look "$@"
    keep_look initial
}

# Builds the MSAA client of the tests (msaa_client.cpp) into the work folder, for the prefix.
build_msaa_client() {
    x86_64-w64-mingw32-g++-posix -std=c++20 -municode -O1 -static -Wall -Wextra -Werror \
        -o "$work/msaa_client.exe" "$(dirname "${BASH_SOURCE[0]}")/msaa_client.cpp" \
        -loleacc -lole32 -loleaut32
}

# Runs the client once; its lines are tab-separated.
msaa_client() {
    wine "$work/msaa_client.exe" "$@" 2>/dev/null | tr -d '\r'
}

tab=$'\t'

# Problem 1 as a link gives it: a rectangle, AB 6 and BC 8, P from B round C and D to A at 2 cm a
# second, the triangle PAB; 11 steps.
problem1='figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2'

# What the blackboard tells after x seconds of problem 1.
board_text() {
    local x=$1 place area
    case $x in
    0) place=頂点Ｂ ;; 4) place=頂点Ｃ ;; 7) place=頂点Ｄ ;; 11) place=頂点Ａ ;;
    *) if [ "$x" -lt 4 ]; then place=辺ＢＣ上; elif [ "$x" -lt 7 ]; then place=辺ＣＤ上; else place=辺ＤＡ上; fi ;;
    esac
    if [ "$x" -le 4 ]; then area=$((6 * x)); elif [ "$x" -le 7 ]; then area=24; else area=$((66 - 6 * x)); fi
    echo "点Ｐ：Ｂから$((2 * x))cm（$place）、三角形ＰＡＢの面積 ${area}cm²"
}

# The client's line of a control of the lesson's window by its name.
control_line() {
    msaa_client controls | grep -m 1 "^$1$tab"
}

# The distance box and the blackboard, as a screen reader reads them after x seconds.
read_step() {
    local distance board
    distance=$(control_line '点Ｐの進んだ距離（cm）' | cut -f 4)
    board=$(control_line '黒板' | cut -f 5)
    [ "${distance# }" = "$((2 * $1))" ] || return 1
    [ "$board" = "$(board_text "$1")" ]
}

expect_step() {
    local deadline=$((SECONDS + 20))
    until read_step "$1"; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "after $1 s the client read: $(control_line '点Ｐの進んだ距離（cm）'); $(control_line '黒板')"
        sleep 0.2
    done
}
