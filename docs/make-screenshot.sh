#!/usr/bin/env bash
# Makes the README's picture of the window: the three boxes ticked and P moved 13 steps, shown
# on Xvfb by tools/screenshot.sh.
# Usage: docs/make-screenshot.sh [BINARY [OUTPUT.png]]   (defaults: build/src/tavilo, docs/screenshot.png)
set -euo pipefail
source "$(dirname "$0")/../tools/failure.sh"
cd "$(dirname "$0")/.."
binary=${1:-build/src/tavilo}
output=${2:-docs/screenshot.png}
# The boxes beside "点Ｐの進んだ距離", "ヒント" and "グ　ラ　フ", then 13 clicks on "進む".
exec bash tools/screenshot.sh --window "$binary" "$output" \
    "mousemove 736 32 click 1" "mousemove 416 32 click 1" "mousemove 632 128 click 1" \
    "mousemove 420 80 click --repeat 13 --delay 150 1" "mousemove 1000 590"
