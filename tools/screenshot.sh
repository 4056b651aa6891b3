#!/usr/bin/env bash
# Opens the program in a virtual X display and saves a screenshot of the whole screen.
# Usage: tools/screenshot.sh BINARY OUTPUT.png [xdotool commands to run before the shot...]
set -euo pipefail
binary=$1
output=$2
shift 2

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$binary" &
program=$!
for _ in $(seq 100); do
    window=$(xdotool search --sync --limit 1 --name 'by Oskavel' 2>/dev/null || true)
    [ -n "$window" ] && break
    sleep 0.1
done
xdotool windowmove "$window" 0 0
sleep 0.5
for command in "$@"; do
    # shellcheck disable=SC2086
    xdotool $command
    sleep 0.2
done
sleep 0.3
import -window root "$output"
