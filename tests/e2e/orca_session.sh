# The real Orca screen reader on a private D-Bus session (sourced after common.sh): its own
# accessibility bus, speech-dispatcher with espeak-ng into a sound device that plays nothing, and
# what Orca spoke read from its debug log afterwards.
# shellcheck shell=bash disable=SC2154

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

# Server-side audio, "fast" through ALSA, which the .asoundrc above sends nowhere as fast as
# espeak-ng makes it, or "paced" through a PulseAudio null sink, which takes the sound as fast as a
# loudspeaker would play it: Orca then reads a page for as long as a pupil would hear it.
start_speech_dispatcher() {
    local output=alsa
    cp -r /etc/speech-dispatcher "$work/speechd"
    if [ "$1" = paced ]; then
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
            -L module-native-protocol-unix -L module-null-sink >/dev/null 2>&1 &
        x_session_pids+=($!)
        for _ in $(seq 100); do
            [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
            sleep 0.1
        done
        [ -S "$XDG_RUNTIME_DIR/pulse/native" ] || fail "PulseAudio did not start"
        output=pulse
    fi
    echo "AudioOutputMethod \"$output\"" >>"$work/speechd/speechd.conf"
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
