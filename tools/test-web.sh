#!/usr/bin/env bash
# Builds the browser edition, the single file and the served app's folder, and runs their
# end-to-end tests: headless Chromium through playwright-core and Lighthouse (pinned in
# package.json and its lock file), and WebKitGTK through WebDriver on a virtual display; then the
# page in a real Chromium window read by the real Orca.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${web_packages[@]}"
app=$(bash tools/web-app.sh | tail -n 1)
html=$(realpath build-web/src/tavilo.html)
need_npm_packages
source tools/screenshot.sh
trap stop_x_session EXIT
start_display
TAVILO_HTML=$html TAVILO_WEB=$app node --test --test-timeout=180000 tests/web/
bash tests/e2e/orca_browser.sh "$html"
