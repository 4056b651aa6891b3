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

# A home and runtime folder of the test's own: the accessibility bus, speech-dispatcher's socket
# and Orca's settings all land there. Without a sound card espeak-ng's output would hang.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"

# Calls a method on the accessibility bus's registry.
registry_call() {
    dbus-send --bus="$accessibility_bus" --print-reply --reply-timeout=2000 \
        --dest=org.a11y.atspi.Registry "$@" 2>/dev/null
}

start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    x_session_pids+=($!)
    for _ in $(seq 100); do
        accessibility_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
            /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') || true
        [ -n "$accessibility_bus" ] && registry_call /org/a11y/atspi/registry \
            org.a11y.atspi.Registry.GetRegisteredEvents >/dev/null && return 0
        sleep 0.1
    done
    fail "the accessibility bus did not start"
}

# Server-side audio through ALSA, which the .asoundrc above sends nowhere.
start_speech_dispatcher() {
    cp -r /etc/speech-dispatcher "$work/speechd"
    echo 'AudioOutputMethod "alsa"' >>"$work/speechd/speechd.conf"
    speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" --log-dir "$work" \
        >/dev/null 2>&1 &
    x_session_pids+=($!)
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && return 0
        sleep 0.1
    done
    fail "speech-dispatcher did not start"
}

# Orca is ready for the pupil's keys once it listens to the keyboard.
orca_listens() {
    registry_call /org/a11y/atspi/registry/deviceeventcontroller \
        org.a11y.atspi.DeviceEventController.GetKeystrokeListeners | grep -q string
}

# Its start usually takes seconds and has taken more than 45 s on a busy machine. A start that
# stalls is tried once more; what it printed, and any other Orca it may be waiting for, are shown
# when it never gets there.
start_orca() {
    local attempt deadline
    for attempt in 1 2; do
        orca --replace -u "$work/orca" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
        orca_pid=$!
        x_session_pids+=("$orca_pid")
        deadline=$((SECONDS + 90))
        while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$orca_pid" 2>/dev/null; do
            orca_listens && return 0
            sleep 0.2
        done
        echo "# Orca's start $attempt, what it printed:" >&2
        tail -n 20 "$work/orca.out" >&2
        # --replace waits until no other process of that name is left, a zombie included.
        echo "# Processes named orca:" >&2
        ps -o pid,ppid,stat,etime,args -C orca >&2 || true
        kill -KILL "$orca_pid" 2>/dev/null || true
    done
    fail "Orca did not start"
}

# The debug log is buffered: it is complete only once Orca has shut down. Orca sees the signal
# only when an event wakes its main loop, so a Shift key press follows.
stop_orca() {
    kill -INT "$orca_pid"
    for _ in $(seq 100); do
        xdotool key shift
        sleep 0.2
        kill -0 "$orca_pid" 2>/dev/null || return 0
    done
    fail "Orca did not stop"
}

# Real keys, at a pupil's pace; Orca hears each before the program does.
keys() {
    xdotool key --delay 300 "$@"
}

# What Orca spoke, one utterance a line, without the full stop it adds for a pause.
spoken() {
    sed -n "s/.* - SPEECH OUTPUT: '\(.*\)' \?{.*/\1/p" "$work/orca.log" | sed 's/\.\? *$//'
}

# The line numbers of one exact utterance in what was spoken.
lines_of() {
    spoken | grep -n -x -F -- "$1" | cut -d: -f1 || true
}

at_distance() {
    local place=$2 area=$3
    echo "点Ｐ：Ｂから$1cm（${place}）、三角形ＰＢＣの面積 ${area}cm²"
}

start_text=$(at_distance 0 頂点Ｂ 0)
install_program "$build"
start_display
start_accessibility_bus
openbox --sm-disable >/dev/null 2>&1 &
x_session_pids+=($!)
start_speech_dispatcher
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
