#!/usr/bin/env bash
# `cmake --install` lays out the program for a Linux desktop, and the desktop's own validators
# accept its menu entry and its catalogue entry.
# Usage: installation.sh BUILD_FOLDER
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "not ok - $1" >&2
    exit 1
}

id=org.oskavel.tavilo
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/tavilo" ] || fail "no bin/tavilo"
for size in 16 32; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/tavilo.png
    [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "no $size-pixel icon"
done
echo "ok 1 - the binary and the 16- and 32-pixel icons in the hicolor theme"

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
for line in "Exec=tavilo" "Icon=tavilo" "Categories=Education;Math;"; do
    grep -qxF "$line" "$desktop" || fail "$id.desktop lacks $line"
done
for key in 'Name\[ja\]' 'Comment\[ja\]'; do
    grep -q "^$key=" "$desktop" || fail "$id.desktop has no $key"
done
echo "ok 2 - the menu entry passes desktop-file-validate"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --strict --pedantic "$metainfo" ||
    fail "appstreamcli rejects $id.metainfo.xml"
appstreamcli validate-tree --no-net --strict --pedantic "$prefix" ||
    fail "appstreamcli rejects the installed tree"
grep -qF '<release version="1.00.0003"' "$metainfo" || fail "the catalogue entry has no 1.00.0003"
echo "ok 3 - the catalogue entry passes appstreamcli validate"
echo "3 passed, 0 failed"
