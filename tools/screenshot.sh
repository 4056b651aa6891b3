#!/usr/bin/env bash
# Opens the program in a virtual X display and saves a screenshot.
# Usage: tools/screenshot.sh [--window] BINARY OUTPUT.png [xdotool commands to run before the shot...]
# The shot is of the whole screen, 1024 x 600 or SCREENSHOT_SCREEN (WIDTHxHEIGHT), or with
# --window of the program's window alone.
# The window's client area is moved to the top-left corner of the screen, so the xdotool
# commands can use window coordinates. Sourced, the script only defines its functions, which
# the end-to-end tests use to run the program in a display of their own.

x_session_pids=()

# Starts Xvfb on a display that no other server uses and exports DISPLAY; the screen is 1024 x 600
# unless a size is given (WIDTHxHEIGHT). -noreset: a server that resets when its last client
# leaves refuses connections meanwhile, and the program may connect just as a short-lived client
# (xdotool, import) leaves.
start_display() {
    local numberFile size=${1:-1024x600}
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$numberFile" \
        2>/dev/null &
    x_session_pids+=($!)
    for _ in $(seq 100); do
        [ -s "$numberFile" ] && break
        sleep 0.1
    done
    DISPLAY=:$(cat "$numberFile")
    export DISPLAY
    rm -f "$numberFile"
    [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; return 1; }
}

# Starts BINARY on the X11 platform and sets program_pid and window (its top-level window).
start_program() {
    QT_QPA_PLATFORM=xcb "$1" &
    program_pid=$!
    x_session_pids+=("$program_pid")
    window=
    # A slow start (a sanitizer build on a busy machine) may take many seconds.
    for _ in $(seq 300); do
        window=$(xdotool search --all --onlyvisible --pid "$program_pid" --name 'by Oskavel' \
            2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    echo "the program's window did not appear" >&2
    return 1
}

# Moves the window's client area to the top-left corner of the screen (no window manager).
move_window_to_corner() {
    xdotool windowmove --sync "$window" 0 0
}

# Saves what the screen shows; with a window id, only that window.
grab() {
    if [ $# -gt 1 ]; then
        import -window "$2" "$1"
    else
        import -window root "$1"
    fi
}

# Stops the program and the display server, the most recently started first. A process that
# does not end within a few seconds of being asked (a screen reader stuck in its start, say) is
# killed, so that a failing test reports its failure instead of hanging.
stop_x_session() {
    local i pid
    for ((i = ${#x_session_pids[@]} - 1; i >= 0; i--)); do
        pid=${x_session_pids[i]}
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    x_session_pids=()
}

screenshot_main() {
    local onlyWindow=
    if [ "${1:-}" = --window ]; then
        onlyWindow=1
        shift
    fi
    local binary=$1 output=$2
    shift 2
    trap stop_x_session EXIT
    start_display "${SCREENSHOT_SCREEN:-}"
    start_program "$binary"
    move_window_to_corner
    sleep 0.5
    local command
    for command in "$@"; do
        # shellcheck disable=SC2086
        xdotool $command
        sleep 0.2
    done
    local target=("$output")
    [ -z "$onlyWindow" ] || target+=("$window")
    grab_when_still "${target[@]}"
}

# Grabs until the screen has not changed for about a second, so the shot shows the program at
# rest even when a busy machine delays its drawing.
grab_when_still() {
    local earlier unchanged=0
    earlier=$(mktemp --suffix=.png)
    grab "$earlier" "${@:2}"
    for _ in $(seq 100); do
        sleep 0.3
        grab "$@"
        if [ "$(compare -metric AE "$earlier" "$1" null: 2>&1)" = 0 ]; then
            unchanged=$((unchanged + 1))
            [ "$unchanged" -lt 3 ] || break
        else
            unchanged=0
            cp "$1" "$earlier"
        fi
    done
    rm -f "$earlier"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    source "$(dirname "$0")/failure.sh"
    screenshot_main "$@"
fi
