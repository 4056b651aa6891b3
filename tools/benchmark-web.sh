#!/usr/bin/env bash
# Builds the release with tools/release.sh and prints the browser edition's rows of the README's
# performance table, measured in headless Chromium, and the size of each file of the release.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
dist=$(bash tools/release.sh | tail -n 1)
source tools/packages.sh
need_npm_packages
node bench/web.mjs "$dist"
