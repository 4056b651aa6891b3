# Installs the named Debian packages that are not installed yet (sourced by the set-up scripts).
need_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing ${missing[*]}"
    # A mirror caught in the middle of a sync serves an index of the wrong size for a while, and
    # what only that index lists cannot be found until it is fetched again.
    local attempt
    for attempt in 1 2 3 4; do
        "${sudo[@]}" apt-get update -qq || true
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" \
            >/dev/null && return 0
        [ "$attempt" -lt 4 ] || return 1
        sleep 30
    done
}

# wine32 is a package of the i386 architecture, which apt must be told of first.
need_i386_architecture() {
    dpkg --print-foreign-architectures | grep -qx i386 && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" dpkg --add-architecture i386
}

build_packages=(cmake g++ make qt6-base-dev fonts-ipafont-gothic)
# The fuzz target needs clang with its sanitizer and libFuzzer runtimes.
fuzz_packages=(clang-14 libclang-rt-14-dev)
# The Debian package: the tools that make it and work out its library dependencies.
package_packages=(dpkg-dev file)
# The real-window and desktop tests: a virtual display with a window manager, pointer input,
# screenshots, the MinGW resource compiler and the validators of menu and catalogue entries; a
# second Japanese face to lay the graph paper out in; for reading the window as a screen reader
# does, a private session bus, the accessibility bus and the AT-SPI bindings for Python; and what
# the package test needs to make the package; and the screen reader with its speech, for hearing
# the program as a blind pupil does.
test_packages=(xvfb x11-utils xdotool imagemagick openbox binutils-mingw-w64-x86-64
    desktop-file-utils appstream fonts-vlgothic dbus-daemon dbus-bin at-spi2-core python3-pyatspi
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng "${package_packages[@]}")
# The Windows edition: the MinGW-w64 cross compilers for 64-bit and 32-bit Windows (posix thread
# model) with their binutils and tools.
windows_packages=(cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 mingw-w64-tools)
# Its tests: Wine for 64-bit programs and the real-window tests' display and tools, and the
# assembler that makes the tiny 32-bit program which tells whether Wine's 32-bit side can run;
# that side as well, where the machine can run it and the archive can give it.
windows_test_packages=("${windows_packages[@]}" wine wine64 fonts-ipafont-gothic xvfb x11-utils
    xdotool imagemagick binutils)
wine32_packages=(wine32:i386)
# The browser edition: Debian's Emscripten (and the acorn its optimizer loads), Node for
# the tests' pinned playwright-core, the Chromium and WebKitGTK they drive, a virtual display for
# WebKit, the Japanese face the tests lay the page out in, and the QR reader that reads the
# setup window's code back.
web_packages=(emscripten node-acorn cmake make nodejs chromium webkit2gtk-driver xvfb zbar-tools
    fonts-ipafont-gothic)
# The release: a clean clone of the last commit and the zip of the served app.
release_packages=(git zip)

# The npm packages of package-lock.json: the page's build tools and the browser tests' drivers.
# Installed again only when the lock file changed since they were; Debian's npm, unless a Node
# installation brought its own.
need_npm_packages() {
    command -v npm >/dev/null || need_packages npm
    local stamp=node_modules/.tavilo-package-lock.json
    cmp -s package-lock.json "$stamp" && return 0
    npm ci --no-audit --no-fund --loglevel=error >/dev/null
    cp package-lock.json "$stamp"
}
