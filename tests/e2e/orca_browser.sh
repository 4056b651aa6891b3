#!/usr/bin/env bash
# The browser edition as a blind pupil hears it: the page in Debian's Chromium, a real window on
# Xvfb, read by the real Orca in its default settings. Orca reads a page aloud as it opens, and a
# key that stops that reading puts the browser's caret, where Tab starts from, at the place it had
# reached; Page Down must press 進む all the same, and Orca must speak the blackboard's new text.
# Speech plays at a loudspeaker's pace, so that the reading still runs when the key comes.
# Usage: orca_browser.sh TAVILO_HTML
set -euo pipefail

if [ -z "${TAVILO_PRIVATE_BUS:-}" ]; then
    TAVILO_PRIVATE_BUS=1 exec dbus-run-session \
        --config-file="$(dirname "$0")/session_bus_without_services.conf" -- bash "$0" "$@"
fi

page=$(realpath "$1")
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"
# shellcheck source=tools/packages.sh
source "$repo/tools/packages.sh"
need_packages chromium pulseaudio orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng \
    xvfb xdotool imagemagick openbox dbus-daemon dbus-bin at-spi2-core python3-pyatspi
# shellcheck source=tests/e2e/orca_session.sh
source "$(dirname "$0")/orca_session.sh"
keep_folder=$(dirname "$page")

start_browser() {
    # shellcheck disable=SC2054 # the comma is the window position's, not a separator
    local flags=(--force-renderer-accessibility --user-data-dir="$work/chromium" --no-first-run
        --no-default-browser-check --password-store=basic --window-position=0,0
        --window-size=1280,800)
    # Chromium refuses root without --no-sandbox; --test-type keeps the bar that warns of it away.
    [ "$(id -u)" -ne 0 ] || flags+=(--no-sandbox --test-type)
    # Chromium's bridge to the accessibility bus, which a desktop turns on by a setting that this
    # session has no service to keep.
    ACCESSIBILITY_ENABLED=1 chromium "${flags[@]}" "file://$page" >"$work/chromium.out" 2>&1 &
    x_session_pids+=($!)
}

# The distance box's number as the accessibility bus gives it (a step writes a space before it),
# or nothing.
distance_box() {
    timeout 20 /usr/bin/python3 - <<'EOF' 2>/dev/null || true
import pyatspi
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == 'Chromium':
        box = pyatspi.findDescendant(app, lambda node: node.getRoleName() == 'entry'
                                     and node.name == '点Ｐの進んだ距離（cm）')
        if box is not None:
            print(box.queryText().getText(0, -1).strip())
            break
EOF
}

# Waits until the debug log has a line; Orca writes it out in blocks, and the reading of a page
# logs many at once.
wait_for_log() {
    local deadline=$((SECONDS + 30))
    until grep -q -F -- "$1" "$work/orca.log" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "waited in vain for Orca's \"$1\""
        sleep 0.2
    done
}

start_display 1280x800
start_accessibility_bus
start_window_manager
start_speech_dispatcher paced
start_orca
start_browser
for _ in $(seq 600); do
    xdotool search --onlyvisible --name 'by Oskavel' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --name 'by Oskavel' >/dev/null 2>&1 ||
    fail "the page did not open in Chromium"
wait_for_log "WEB: Doing SayAll"
sleep 1
keys Next
deadline=$((SECONDS + 10))
until box=$(distance_box) && [ "$box" = 1 ] || [ "$SECONDS" -ge "$deadline" ]; do
    sleep 0.2
done
import -window root "$work/current.png"
# Orca is given a moment to speak.
sleep 1.5
stop_orca
# Kept for a look when a check fails.
cp "$work/orca.log" "$keep_folder/e2e-orca-browser.log"

[ "$box" = 1 ] || fail "after Page Down the distance box reads \"$box\", not 1"
ok "Page Down while Orca reads the page: the distance box reads 1"

# The key press and, in the log, what Orca did from it on.
key_line=$(grep -n -F 'event_string=(Page_Down)' "$work/orca.log" | sed -n '1s/:.*//p')
[ -n "$key_line" ] || fail "Orca did not hear Page Down"
after_key=$(tail -n "+$key_line" "$work/orca.log")
grep -q "WEB: Doing SayAll" <(head -n "$key_line" "$work/orca.log") ||
    fail "Orca had not started reading the page when Page Down came"
# Orca puts the caret where its reading stopped; it does so only for reading that a key stopped.
stopped_at=$(sed -n 's/.*WEB: Looking for first caret context for \(\[.*\]\), [0-9]*$/\1/p' \
    <<<"$after_key" | sed -n 1p)
[ -n "$stopped_at" ] || fail "Page Down did not stop Orca's reading of the page"
ok "Page Down stopped Orca's reading at $stopped_at"

one=$(at_distance 1 辺ＢＡ上 6)
mapfile -t echoes < <(lines_of "page down")
mapfile -t texts < <(lines_of "$one")
[ ${#echoes[@]} -eq 1 ] && [ ${#texts[@]} -eq 1 ] && [ "${texts[0]}" -gt "${echoes[0]}" ] ||
    fail "Orca did not speak \"$one\" once after Page Down (echoes: ${#echoes[@]}, texts: ${#texts[@]})"
ok "Orca speaks \"$one\" after Page Down"
