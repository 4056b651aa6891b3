#!/usr/bin/env bash
# The installed program as a blind pupil hears it: the real Orca screen reader, headless, on a
# private D-Bus session with its own accessibility bus, speaking through speech-dispatcher and
# espeak-ng into a null sound device. What Orca spoke is read from its debug log afterwards.
# Usage: orca.sh BUILD_FOLDER
set -euo pipefail

if [ -z "${TAVILO_PRIVATE_BUS:-}" ]; then
    TAVILO_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"
build=$1

# shellcheck source=tests/e2e/orca_session.sh
source "$(dirname "$0")/orca_session.sh"

start_text=$(at_distance 0 頂点Ｂ 0)
install_program "$build"
start_display
start_accessibility_bus
openbox --sm-disable >/dev/null 2>&1 &
x_session_pids+=($!)
start_speech_dispatcher fast
start_orca
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$installed_binary"
read_client_origin
look
keep_look initial
# Orca presents the new window before it follows the keys.
sleep 2
keys Tab Tab Tab Tab Tab Tab Tab
keys space space space space space space space space space space space space space
sleep 1
click "${syokigamen_at[@]}"
sleep 1
# Back to 進む, then the walk by its presenter key; at 20 it takes about 12 seconds. Orca is
# given a moment to catch up with the walk's end.
keys Tab Tab Tab F5
wait_until "ストップ enabled for the walk" differs initial "$tomeru_area"
wait_until "the end of the walk" same_area initial "$tomeru_area"
sleep 1.5
stop_orca
# Kept for a look when a check fails.
cp "$work/orca.log" "$build/e2e-orca.log"

mapfile -t spaces < <(lines_of space)
mapfile -t walk < <(lines_of F5)
[ ${#spaces[@]} -eq 13 ] && [ ${#walk[@]} -eq 1 ] ||
    fail "Orca echoed ${#spaces[@]} of the 13 Spaces and ${#walk[@]} F5"

# How often a text was spoken between two lines of what was spoken.
count_between() {
    local count=0 line
    for line in $(lines_of "$3"); do
        [ "$line" -gt "$1" ] && [ "$line" -lt "$2" ] && count=$((count + 1))
    done
    echo "$count"
}

thirteen=$(at_distance 13 辺ＡＤ上 48)
[ "$(count_between "${spaces[12]}" "${walk[0]}" "$thirteen")" -eq 1 ] ||
    fail "Orca did not speak \"$thirteen\" once after the 13th Space"
ok "13 Spaces on 進む: \"$thirteen\" once, after the 13th"

# Between the steps by hand and the first Tab after the click on 初期画面.
after_steps=$(lines_of "$thirteen" | sed -n 1p)
next_tab=$(lines_of tab | awk -v after="$after_steps" '$1 > after' | sed -n 1p)
[ "$(count_between "$after_steps" "${next_tab:-0}" "$start_text")" -eq 1 ] ||
    fail "Orca did not speak the start text once after 初期画面"
ok "初期画面: Orca speaks \"$start_text\""

# By hand P went to 13 cm, and the walk from B to C: each text once on each way.
for distance in $(seq 1 28); do
    text=$(spoken | grep -F "Ｂから${distance}cm（" | sed -n 1p)
    [ -n "$text" ] || fail "no text at $distance cm"
    by_hand=$(count_between 0 "${walk[0]}" "$text")
    walked=$(count_between "${walk[0]}" 1000000 "$text")
    [ "$walked" -eq 1 ] && [ "$by_hand" -eq $((distance <= 13 ? 1 : 0)) ] ||
        fail "\"$text\" spoken $by_hand times by hand and $walked times in the walk"
done
ok "every step's text spoken once, by hand and in the walk"

end_line=$(lines_of "$(at_distance 28 頂点Ｃ 0)")
[ "$(count_between "$end_line" 1000000 "進む push button")" -eq 1 ] ||
    fail "the focus did not come back to 進む after the walk"
ok "after the walk Orca is back on 進む"
