#!/usr/bin/env bash
# Makes the README's pictures of the window: the three boxes ticked and P moved 13 steps, shown
# on Xvfb by tools/screenshot.sh; with --maximised, the same window then sized to a 1920 x 1080
# screen, where the layout fits it (docs/screenshot-maximised.png).
# Usage: docs/make-screenshot.sh [--maximised] [BINARY [OUTPUT.png]]
#        (defaults: build/src/tavilo, docs/screenshot.png or docs/screenshot-maximised.png)
set -euo pipefail
source "$(dirname "$0")/../tools/failure.sh"
cd "$(dirname "$0")/.."
maximised=
if [ "${1:-}" = --maximised ]; then
    maximised=1
    shift
fi
binary=${1:-build/src/tavilo}
# The boxes beside "点Ｐの進んだ距離", "ヒント" and "グ　ラ　フ", then 13 clicks on "進む".
steps=("mousemove 736 32 click 1" "mousemove 416 32 click 1" "mousemove 632 128 click 1"
    "mousemove 420 80 click --repeat 13 --delay 150 1")
if [ -z "$maximised" ]; then
    exec bash tools/screenshot.sh --window "$binary" "${2:-docs/screenshot.png}" "${steps[@]}" \
        "mousemove 1000 590"
fi
SCREENSHOT_SCREEN=1920x1080 exec bash tools/screenshot.sh --window "$binary" \
    "${2:-docs/screenshot-maximised.png}" "${steps[@]}" "mousemove 1910 1070" \
    "search --name Oskavel windowsize --sync %@ 1920 1080"
