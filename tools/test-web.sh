#!/usr/bin/env bash
# Builds the browser edition and runs its end-to-end tests: headless Chromium through
# playwright-core (pinned in package.json and its lock file), and WebKitGTK through WebDriver on
# a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${web_packages[@]}"
# Debian's npm, unless a Node installation brought its own.
command -v npm >/dev/null || need_packages npm
html=$(bash tools/web.sh | tail -n 1)
npm ci --no-audit --no-fund --loglevel=error >/dev/null
source tools/screenshot.sh
trap stop_x_session EXIT
start_display
TAVILO_HTML=$html node --test --test-timeout=180000 tests/web/
