#!/usr/bin/env bash
# Builds the Windows edition with tools/windows.sh and runs its tests under Wine on Xvfb, in one
# Wine prefix made up front for the whole run.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/wineprefix.sh
need_packages "${windows_test_packages[@]}"
# Where Wine's 32-bit side cannot run, the 32-bit edition's run under Wine is left out, and the
# output says so; the 64-bit tests run through Wine's 64-bit loader.
choose_wine_loader

exes=$(bash tools/windows.sh | tail -n 2)
exe64=$(sed -n 1p <<<"$exes")
exe32=$(sed -n 2p <<<"$exes")

WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
set_up_wine_prefix

bash tests/windows/resources.sh "$exe64" "$exe32"
bash tests/windows/window.sh "$exe64"
bash tests/windows/frame_close.sh "$exe64"
bash tests/windows/frame_resize.sh "$exe64"
bash tests/windows/screen_reader.sh "$exe64"
bash tests/windows/problem_link.sh "$exe64"
bash tests/windows/setup_window.sh "$exe64"
bash tests/windows/wine_loader.sh "$exe64"
if [ -n "$wine32" ]; then
    bash tests/windows/window32.sh "$exe32"
else
    report_wine32_skipped
fi
