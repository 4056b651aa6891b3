# Shared by the real-window tests (sourced): installing the program, clicking its controls and
# reading pixels back from screenshots of the X display.
# shellcheck shell=bash disable=SC2034

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tools/failure.sh
source "$repo/tools/failure.sh"
# shellcheck source=tools/screenshot.sh
source "$repo/tools/screenshot.sh"

# Where the parts of the window lie, in window coordinates: the top-left corner of each
# surface's drawing area (inside its 2-pixel border), and the size of each area that the
# tests compare as a whole.
kokuban_origin=(26 114)
gamen_origin=(474 162)
kokuban_area=429x309+26+114
gamen_area=381x261+474+162
text1_area=65x33+608+48
tomeru_area=57x33+112+64

# Centres of the controls that the tests click.
syokigamen_at=(256 28)
end_at=(824 36)
jidou_at=(72 80)
tomeru_at=(140 80)
modoru_at=(324 80)
susumu_at=(420 80)
check1_at=(736 32)
check2_at=(632 128)
check3_at=(416 32)
combo1_arrow_at=(841 122)
combo1_edit_at=(818 122)

test_number=0
work=$(mktemp -d)
trap 'stop_x_session; rm -rf "$work"' EXIT

# Installs the build into a prefix of its own, as a user's `cmake --install` would.
install_program() {
    cmake --install "$1" --prefix "$work/prefix" >/dev/null
    installed_binary=$work/prefix/bin/tavilo
}

ok() {
    test_number=$((test_number + 1))
    echo "ok $test_number - $1"
}

# Reports the failure, keeps the last screenshot next to the build for a look, and stops.
fail() {
    echo "not ok - $1" >&2
    if [ -n "${keep_folder:-}" ] && [ -f "$work/current.png" ]; then
        mkdir -p "$keep_folder"
        cp "$work/current.png" "$keep_folder/failed-$(date +%H%M%S).png"
        echo "screenshot kept in $keep_folder" >&2
    fi
    exit 1
}

# Starts Openbox, a real window manager with its frames, and waits until it manages the screen.
start_window_manager() {
    openbox --sm-disable --config-file /etc/xdg/openbox/rc.xml >/dev/null 2>&1 &
    x_session_pids+=($!)
    for _ in $(seq 300); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}

# Waits until the window manager has framed the window: the frame's extents (left, right, top,
# bottom) are set.
wait_for_frame() {
    for _ in $(seq 300); do
        frame_extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null |
            sed -n 's/.* = //p' | tr -d ' ')
        [ -n "$frame_extents" ] && return 0
        sleep 0.1
    done
    fail "the window manager did not frame the window"
}

# Where the window's client area lies on the screen.
read_client_origin() {
    local info
    info=$(xwininfo -id "$window")
    client_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    client_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
}

# A real pointer click at a point of the window.
click() {
    xdotool mousemove "$((client_x + $1))" "$((client_y + $2))" click 1
}

# Parks the pointer where it hovers over no control.
pointer_away() {
    xdotool mousemove "$((client_x + 5))" "$((client_y + 430))"
}

# Takes a screenshot of the window's client area into $work/current.png.
look() {
    import -window root -crop "865x437+$client_x+$client_y" +repage "$work/current.png"
}

keep_look() {
    cp "$work/current.png" "$work/$1.png"
}

# The colour (RRGGBB) at a point of a surface ("kokuban", "gamen") or of the window.
colour_at() {
    local surface=$1 x=$2 y=$3
    case $surface in
    kokuban) x=$((x + kokuban_origin[0])) y=$((y + kokuban_origin[1])) ;;
    gamen) x=$((x + gamen_origin[0])) y=$((y + gamen_origin[1])) ;;
    esac
    convert "$work/current.png" -format "%[hex:u.p{$x,$y}]" info:
}

is_colour() {
    [ "$(colour_at "$1" "$2" "$3")" = "$4" ]
}

# How many pixels of an area (WxH+X+Y in window coordinates) have the colour RRGGBB.
count_colour() {
    convert "$work/current.png" -crop "$1" +repage -format %c histogram:info: |
        awk -v colour="#$2" '$3 == colour { sub(":", "", $1); n = $1 } END { print n + 0 }'
}

# Whether an area of the current screenshot equals the same area of a kept one, pixel for pixel.
same_area() {
    local difference
    difference=$(compare -metric AE "$work/$1.png[$2]" "$work/current.png[$2]" null: 2>&1) || true
    [ "$difference" = 0 ]
}

differs() {
    ! same_area "$@"
}

# Checks a pixel of the current screenshot and names what it shows when it is wrong.
expect_colour() {
    local surface=$1 x=$2 y=$3 colour=$4 what=$5 actual
    actual=$(colour_at "$surface" "$x" "$y")
    [ "$actual" = "$colour" ] ||
        fail "$what: $surface ($x, $y) shows $actual instead of $colour"
}

expect_none() {
    local area=$1 colour=$2 what=$3 count
    count=$(count_colour "$area" "$colour")
    [ "$count" -eq 0 ] || fail "$what: $count pixels of $colour in $area"
}

# The fit of the layout to a client area of WIDTH x HEIGHT, as the platform computes it:
# min(width / 865, height / 437), not below 0.5, centred; sets factor, origin_x and origin_y.
read_fit() {
    local width=$1 height=$2
    read -r factor origin_x origin_y < <(awk -v w="$width" -v h="$height" 'BEGIN {
        f = w / 865; if (h / 437 < f) f = h / 437; if (f < 0.5) f = 0.5
        x = (w - 865 * f) / 2; y = (h - 437 * f) / 2
        printf "%.10f %d %d\n", f, (x > 0 ? int(x + 0.5) : 0), (y > 0 ? int(y + 0.5) : 0) }')
}

# The colours around a point of the layout (window coordinates at the factor 1) in the current
# screenshot of the fitted window: the pixel the fit puts it on and its eight neighbours, for the
# rounding of the places in between (a surface's border is never thinner than 2 pixels).
colours_at_fit() {
    local x y
    read -r x y < <(awk -v f="$factor" -v ox="$origin_x" -v oy="$origin_y" -v x="$1" -v y="$2" \
        'BEGIN { printf "%d %d\n", ox + x * f + 0.5, oy + y * f + 0.5 }')
    convert "$work/current.png" -crop "3x3+$((x - 1))+$((y - 1))" +repage -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}

expect_at_fit() {
    local actual
    actual=$(colours_at_fit "$1" "$2")
    grep -qx "$3" <<<"$actual" ||
        fail "$4: ($1, $2) at the factor $factor shows $(tr '\n' ' ' <<<"$actual")instead of $3"
}

# The window's olive beside the layout, where the fit leaves room for it.
expect_olive_around() {
    if [ "$origin_y" -gt 4 ]; then
        expect_at_fit 432 -1 "$olive" "the olive above the layout"
        expect_at_fit 432 438 "$olive" "the olive below the layout"
    fi
    if [ "$origin_x" -gt 4 ]; then
        expect_at_fit -1 218 "$olive" "the olive left of the layout"
        expect_at_fit 866 218 "$olive" "the olive right of the layout"
    fi
}

# Looks again and again until the condition holds for the current screenshot.
wait_until() {
    local what=$1 deadline=$((SECONDS + 30))
    shift
    while :; do
        look
        "$@" && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "waited in vain for $what"
        sleep 0.1
    done
}

# Looks until two screenshots in a row are the same: the program has finished drawing.
wait_until_still() {
    local deadline=$((SECONDS + 30))
    look
    keep_look previous
    while :; do
        sleep 0.3
        look
        same_area previous 865x437+0+0 && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "the window kept changing"
        keep_look previous
    done
}

# Waits for the program to end by itself and checks its exit status.
expect_program_ends() {
    local status=0 deadline=$((SECONDS + 20))
    while kill -0 "$program_pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$1: the program is still running"
        sleep 0.1
    done
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
}
