#!/usr/bin/env bash
# The README's pictures are what docs/make-screenshot.sh shows of the program as it is now: the
# window at its own size, and sized to a 1920 x 1080 screen.
# Usage: readme_screenshot.sh BINARY
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
binary=$1
fresh=$(mktemp --suffix=.png)
trap 'rm -f "$fresh"' EXIT

# A second try rules out a shot taken while a starved machine still held back some clicks.
check() {
    local picture=$1 difference
    shift
    for _ in 1 2; do
        bash "$repo/docs/make-screenshot.sh" "$@" "$binary" "$fresh" 2>/dev/null
        difference=$(compare -metric AE "$repo/docs/$picture" "$fresh" null: 2>&1) || true
        [ "$difference" = 0 ] && break
    done
    if [ "$difference" != 0 ]; then
        cp "$fresh" "readme-$picture-now.png"
        echo "not ok - docs/$picture differs in $difference pixels from what the program" \
            "shows now (kept as $PWD/readme-$picture-now.png): run docs/make-screenshot.sh $*" >&2
        exit 1
    fi
}

check screenshot.png
echo "ok 1 - docs/screenshot.png is current"
check screenshot-maximised.png --maximised
echo "ok 2 - docs/screenshot-maximised.png is current"
echo "2 passed, 0 failed"
