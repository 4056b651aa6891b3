#!/usr/bin/env bash
# Builds the browser edition and prints its rows of the README's performance table, measured in
# headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
html=$(bash tools/web.sh | tail -n 1)
npm ci --no-audit --no-fund --loglevel=error >/dev/null
node bench/web.mjs "$html"
