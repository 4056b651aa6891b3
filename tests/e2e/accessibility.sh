#!/usr/bin/env bash
# The installed program read as screen readers on Linux read it: through AT-SPI, with Qt's
# accessibility bridge on, on a private D-Bus session with an accessibility bus of its own. The
# checks themselves are in accessibility.py.
# Usage: accessibility.sh BUILD_FOLDER
set -euo pipefail

if [ -z "${TAVILO_PRIVATE_BUS:-}" ]; then
    # The session bus lives as long as this script, and no desktop's bus is touched.
    TAVILO_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$0")/common.sh"
build=$1

# Starts the accessibility bus and its registry, and waits until the session bus knows it.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    x_session_pids+=($!)
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q 'boolean true' && return 0
        sleep 0.1
    done
    echo "the accessibility bus did not start" >&2
    return 1
}

install_program "$build"
start_display
start_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$installed_binary"
# Debian's own interpreter, which has the pyatspi bindings.
timeout 240 /usr/bin/python3 "$(dirname "$0")/accessibility.py"
