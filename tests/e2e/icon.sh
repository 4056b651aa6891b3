#!/usr/bin/env bash
# The committed icon files are what the icon maker draws, and the .ico holds the three images
# of the program icon: 32 x 32 in two colours, 32 x 32 and 16 x 16 in the classic 16 colours.
# The browser app's home-screen icons are the 32 x 32 picture enlarged, the maskable one with its
# figure inside the circle that every mask shows.
# Usage: icon.sh ICONMAKER RES_FOLDER
set -euo pipefail
maker=$1
res=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

fail() {
    echo "not ok - $1" >&2
    exit 1
}

classic_palette=" 000000 800000 008000 808000 000080 800080 008080 C0C0C0 808080 FF0000 00FF00 \
FFFF00 0000FF FF00FF 00FFFF FFFFFF "

# The colours (RRGGBB) that an image shows, one per line.
colours_of() {
    convert "$1" -unique-colors -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}

same_pixels() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}

"$maker" "$fresh"
cmp -s "$fresh/tavilo.ico" "$res/tavilo.ico" ||
    fail "res/tavilo.ico is not what tavilo_iconmaker draws: run it with the res folder"
for size in 16 32 180 192 512; do
    same_pixels "$fresh/tavilo-$size.png" "$res/tavilo-$size.png" ||
        fail "res/tavilo-$size.png is not what tavilo_iconmaker draws"
done
echo "ok 1 - the committed icon files are what the icon maker draws"

# The file's header (type 1, three images) and each directory entry: width, height, number of
# colours, bits per pixel.
header=$(od -An -tu1 -N6 "$res/tavilo.ico" | xargs)
[ "$header" = "0 0 1 0 3 0" ] || fail "the .ico header is $header"
entries=$(od -An -tu1 -w16 -j6 -N48 "$res/tavilo.ico" | awk '{ print $1 "x" $2, $3, $7 }')
expected=$'32x32 2 1\n32x32 16 4\n16x16 16 4'
[ "$entries" = "$expected" ] || fail "the .ico holds: $entries"
echo "ok 2 - the .ico holds 32 x 32 in 1 bit, 32 x 32 and 16 x 16 in 4 bits"

for colour in $(colours_of "$res/tavilo.ico[0]"); do
    [[ $colour == 000000 || $colour == FFFFFF ]] ||
        fail "the two-colour image shows $colour"
done
for image in "$res/tavilo.ico[1]" "$res/tavilo.ico[2]"; do
    for colour in $(colours_of "$image"); do
        [[ $classic_palette == *" $colour "* ]] || fail "$image shows $colour"
    done
done
echo "ok 3 - every pixel is black or white, or of the classic 16-colour palette"

same_pixels "$res/tavilo.ico[1]" "$res/tavilo-32.png" || fail "tavilo-32.png differs from the .ico"
same_pixels "$res/tavilo.ico[2]" "$res/tavilo-16.png" || fail "tavilo-16.png differs from the .ico"
echo "ok 4 - the theme PNGs show the 16-colour images of the .ico"
for size in 180 192 512; do
    [ "$(identify -format %wx%h "$res/tavilo-$size.png")" = "${size}x$size" ] ||
        fail "tavilo-$size.png is not $size x $size"
done
# Each enlarged pixel of the 32 x 32 picture is a block of 5 (or 12) in the middle of the icon.
same_pixels "$res/tavilo-32.png" \
    "$(convert "$res/tavilo-192.png" -crop 160x160+16+16 +repage -sample 32x32 png:- | base64 -w0 |
        sed 's|^|inline:data:image/png;base64,|')" ||
    fail "tavilo-192.png does not show the 32 x 32 picture enlarged five times"
same_pixels "$res/tavilo-32.png" \
    "$(convert "$res/tavilo-512.png" -crop 384x384+64+64 +repage -sample 32x32 png:- | base64 -w0 |
        sed 's|^|inline:data:image/png;base64,|')" ||
    fail "tavilo-512.png does not show the 32 x 32 picture enlarged twelve times"
# Outside the middle circle (radius 40 % of the size) only the olive and the board's green show.
outside=$(convert "$res/tavilo-512.png" \( -size 512x512 xc:white +antialias -fill black \
    -draw "circle 256,256 460,256" \) -compose darken -composite -unique-colors -depth 8 txt:- |
    sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | sort | xargs)
[ "$outside" = "000000 008000 808000" ] || fail "outside the maskable icon's circle: $outside"
echo "ok 5 - the home-screen icons enlarge the picture, the maskable one within its circle"
echo "5 passed, 0 failed"
