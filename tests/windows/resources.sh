#!/usr/bin/env bash
# What the two Windows executables carry: only system libraries imported (accessibility and COM
# among them), the version block and the three-image icon, the manifest, and a size that travels
# on any stick.
# Usage: resources.sh TAVILO_EXE TAVILO_32_EXE
set -euo pipefail
test_number=0

ok() {
    test_number=$((test_number + 1))
    echo "ok $test_number - $1"
}

fail() {
    echo "not ok - $1" >&2
    exit 1
}

system_libraries='^(KERNEL32|USER32|GDI32|COMCTL32|OLEACC|ole32|OLEAUT32|SHELL32|msvcrt)\.dll$'

check() {
    local exe=$1 arch=$2 imports resources texts size limit
    imports=$("$arch-w64-mingw32-objdump" -p "$exe" | sed -n 's/.*DLL Name: //p')
    [ -n "$imports" ] || fail "$exe imports nothing"
    while read -r library; do
        grep -qiE "$system_libraries" <<<"$library" || fail "$exe imports $library"
    done <<<"$imports"
    ok "$(basename "$exe") imports only system libraries: $(tr '\n' ' ' <<<"$imports")"

    # Read back from the executable, whatever the script's spelling.
    resources=$("$arch-w64-mingw32-windres" -i "$exe" -O rc)
    for line in "LANGUAGE 17, 1" "FILEVERSION 1, 0, 0, 3" "PRODUCTVERSION 1, 0, 0, 3" \
        'BLOCK "041104B0"' 'VALUE "CompanyName", "Oskavel"' 'VALUE "ProductName", "tavilo"' \
        'VALUE "FileVersion", "1.00.0003"' 'VALUE "ProductVersion", "1.00.0003"' \
        'VALUE "Translation", 0x411, 1200' "Has 3 elements." \
        '"\040\040\002\000", 1, 1,' '"\040\040\020\000", 1, 4,' '"\020\020\020\000", 1, 4,'; do
        grep -qF -- "$line" <<<"$resources" || fail "$exe lacks in its resources: $line"
    done
    ok "$(basename "$exe") carries the version block 1.00.0003 and the three-image icon"

    grep -qF '1 24 /* RT_MANIFEST */' <<<"$resources" || fail "$exe has no manifest"
    texts=$(strings "$exe")
    for text in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
        '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
        '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'; do
        grep -qF -- "$text" <<<"$texts" || fail "$exe's manifest lacks $text"
    done
    ok "$(basename "$exe")'s manifest asks for Common Controls 6 and declares per-monitor DPI awareness (v2)"

    # 400 KB for the exe most PCs take; the 32-bit exe's code is a tenth larger for the same
    # program (stack-passed arguments, no 64-bit registers), so it is given 440 KB.
    size=$(stat -c %s "$exe")
    limit=409600
    [ "$arch" = x86_64 ] || limit=450560
    [ "$size" -lt "$limit" ] || fail "$exe is $size bytes, over $((limit / 1024)) KB"
    ok "$(basename "$exe") is $((size / 1024)) KB"
}

check "$1" x86_64
check "$2" i686
echo "$test_number passed, 0 failed"
