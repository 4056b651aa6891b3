#!/usr/bin/env bash
# Installs what is missing and builds the browser edition into build-web/: one self-contained
# HTML file, whose absolute path is the last line printed.
set -euo pipefail
source "$(dirname "$0")/failure.sh"
cd "$(dirname "$0")/.."
source tools/packages.sh
need_packages "${web_packages[@]}"
need_npm_packages
# Emscripten's optimizer needs Debian's acorn, which another node on the PATH would not find.
export NODE_PATH=/usr/share/nodejs
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Built for speed, not size: a step runs much of the program once each, and a browser first runs
# such code as it compiled it in haste, where every call that was not inlined costs. The program
# is deflated inside the page, which keeps it within its budget.
emcmake cmake -S . -B build-web -DTAVILO_BACKEND=web -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1 ||
    { cat "$log" >&2; exit 1; }
cmake --build build-web -j2 >/dev/null
realpath build-web/src/tavilo.html
