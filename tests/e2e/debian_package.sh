#!/usr/bin/env bash
# The Debian package made from the build: its control fields and files, the program unpacked
# from it taking a step on Xvfb, the menu's projector launcher, and apt accepting the package.
# Nothing is installed into the system.
# Usage: debian_package.sh BUILD_FOLDER
set -euo pipefail
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"

build=$1
keep_folder=$build/e2e-screenshots

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$work/out/tavilo_1.0.0.3-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in 'fonts-ipafont-gothic | fonts-vlgothic | fonts-noto-cjk' 'libqt6widgets6 (>= ' \
    'libstdc++6 (>= ' 'libc6 (>= '; do
    grep -qF "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "the section is not education"
ok "Depends names the font and the libraries that the binary links"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected="./usr/bin/tavilo
./usr/share/applications/org.oskavel.tavilo.desktop
./usr/share/doc/tavilo/changelog.Debian.gz
./usr/share/doc/tavilo/copyright
./usr/share/icons/hicolor/16x16/apps/tavilo.png
./usr/share/icons/hicolor/32x32/apps/tavilo.png
./usr/share/man/man1/tavilo.1.gz
./usr/share/metainfo/org.oskavel.tavilo.metainfo.xml"
[ "$files" = "$expected" ] || fail "the package holds: $files"
root=$work/root
dpkg-deb -x "$deb" "$root"
# Debian's compression: no file name (flag byte 0) and no time stamp (four zero bytes).
for gz in usr/share/doc/tavilo/changelog.Debian.gz usr/share/man/man1/tavilo.1.gz; do
    [ "$(od -An -tx1 -j3 -N5 "$root/$gz" | tr -d ' ')" = 0000000000 ] ||
        fail "$gz carries a name or a time stamp"
done
ok "the package holds exactly the program's files, compressed the Debian way"

start_display
start_program "$root/usr/bin/tavilo"
move_window_to_corner
read_client_origin
wait_until "the marker at B" is_colour kokuban 75 250 FF0000
click "${susumu_at[@]}"
pointer_away
wait_until "the marker one step up from B" is_colour kokuban 75 225 FF0000
ok "the unpacked program opens and takes a step on 進む"

# A display of its own: the window search also matches the first program's window by its title.
stop_x_session
start_display
desktop=$root/usr/share/applications/org.oskavel.tavilo.desktop
command=$(sed -n '/^\[Desktop Action projector\]/,/^\[/s/^Exec=//p' "$desktop")
printf "#!/bin/sh\nexport PATH=%s/usr/bin:\$PATH\nexec %s\n" "$root" "$command" >"$work/launcher"
chmod +x "$work/launcher"
start_program "$work/launcher"
size=$(xwininfo -id "$window" |
    awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 1730x874 ] || fail "the projector launcher opens a window of $size"
ok "the menu's projector launcher opens the window at twice its size"

# A simulation changes nothing, so it need not wait for another apt run's lock.
apt-get install --simulate -o Debug::NoLocking=1 "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt-get rejects the package: $(cat "$work/apt.log")"
grep -q '^Inst tavilo ' "$work/apt.log" ||
    fail "apt-get would not install tavilo: $(cat "$work/apt.log")"
ok "apt-get would install the package"
echo "$test_number passed, 0 failed"
