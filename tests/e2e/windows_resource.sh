#!/usr/bin/env bash
# The Windows resource script compiles with the MinGW resource compiler, and the compiled
# resources hold the version block and the three-image icon.
# Usage: windows_resource.sh RC_FILE
set -euo pipefail
rc=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() {
    echo "not ok - $1" >&2
    exit 1
}

# The cross compiler that windres calls by default is not needed: the script has no #include,
# so the host's C preprocessor does the same job.
windres() {
    x86_64-w64-mingw32-windres --preprocessor=cpp "$@"
}

windres -i "$rc" -O coff -o "$out/tavilo.o" || fail "windres does not compile $rc"
windres -i "$rc" -O res -o "$out/tavilo.res"
echo "ok 1 - the resource script compiles to an object file"

# Read back from the compiled resources, whatever the script's spelling.
decompiled=$(x86_64-w64-mingw32-windres -J res -O rc -i "$out/tavilo.res")
expect() {
    grep -qF -- "$1" <<<"$decompiled" || fail "the compiled resources lack: $1"
}
expect "LANGUAGE 17, 1"
expect "FILEVERSION 1, 0, 0, 3"
expect "PRODUCTVERSION 1, 0, 0, 3"
expect 'BLOCK "041104B0"'
expect 'VALUE "CompanyName", "Oskavel"'
expect 'VALUE "ProductName", "tavilo"'
expect 'VALUE "FileVersion", "1.00.0003"'
expect 'VALUE "ProductVersion", "1.00.0003"'
expect 'VALUE "InternalName", "tavilo"'
expect 'VALUE "OriginalFilename", "tavilo.exe"'
expect 'VALUE "Translation", 0x411, 1200'
echo "ok 2 - the version block: 1.0.0.3, Japanese, Unicode, and its strings"

expect "Has 3 elements."
expect '"\040\040\002\000", 1, 1,'
expect '"\040\040\020\000", 1, 4,'
expect '"\020\020\020\000", 1, 4,'
echo "ok 3 - the icon group: 32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours"
echo "3 passed, 0 failed"
