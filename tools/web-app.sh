#!/usr/bin/env bash
# Builds the browser edition with tools/web.sh and makes from its page the served app's folder,
# build-web/tavilo-web/ (index.html, manifest.webmanifest, sw.js and the home-screen icons),
# whose absolute path is the last line printed.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
html=$(bash tools/web.sh | tail -n 1)
node src/platform/web/app/makeapp.mjs "$html" res build-web/tavilo-web
realpath build-web/tavilo-web
