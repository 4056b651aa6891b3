# The Wine of a run of the Windows edition (sourced by the scripts that test and measure it):
# the loader that this machine can run, and the prefix, made up front once with one server for
# every program of the run.
# shellcheck shell=bash

# Sets up the prefix in WINEPREFIX, a fresh folder that the caller makes and removes.
set_up_wine_prefix() {
    export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Made without a display, so that no window of the set-up can wait for a click.
    DISPLAY='' wineboot --init >/dev/null 2>&1
    # The layout's face is a real proportional Gothic, and Wine draws the frames itself: without a
    # window manager to wait for, closing a window takes no extra seconds.
    DISPLAY='' wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic \
        /f >/dev/null 2>&1
    DISPLAY='' wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    # One server for all the programs, so that each starts without starting it again.
    wineserver -p
}

# Debian's wine and wineboot start Wine's 32-bit loader whenever its package is installed, and
# the package installs even on a machine whose kernel cannot run 32-bit programs, where every
# Wine command then fails. So whether the 32-bit side can run is found out by running it.
wine32_loader=${TAVILO_WINE32_LOADER:-/usr/lib/wine/wine}
wine64_commands=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64

# True where the kernel runs a 32-bit x86 program: a tiny one that only exits, assembled here.
runs_32bit_programs() {
    local folder status=0
    folder=$(mktemp -d)
    printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' \
        >"$folder/exit.s"
    as --32 -o "$folder/exit.o" "$folder/exit.s" &&
        ld -m elf_i386 -o "$folder/exit" "$folder/exit.o" &&
        "$folder/exit" 2>/dev/null || status=$?
    rm -rf "$folder"
    return "$status"
}

# Installs Wine's 32-bit side where the machine can run it, then tries its loader. Sets wine32 to
# yes where it runs; otherwise sets wine32_missing to why, and puts on the PATH a wine and a
# wineboot that go through the 64-bit loader, leaving installed packages as they are.
choose_wine_loader() {
    if [ ! -e "$wine32_loader" ] && runs_32bit_programs; then
        need_i386_architecture
        # The archive's i386 index must match its amd64 one, and a mirror half-way through a
        # sync can leave them apart for hours.
        need_packages "${wine32_packages[@]}" || true
    fi
    local refusal
    if refusal=$(LC_ALL=C "$wine32_loader" --version 2>&1 >/dev/null); then
        wine32=yes
        return 0
    fi
    wine32=
    if grep -q 'Exec format error' <<<"$refusal" || ! runs_32bit_programs; then
        wine32_missing="this machine cannot run 32-bit programs"
    elif [ ! -e "$wine32_loader" ]; then
        wine32_missing="Wine's 32-bit side could not be installed"
    else
        wine32_missing="Wine's 32-bit loader does not start: ${refusal:0:200}"
    fi
    export PATH="$wine64_commands:$PATH"
}

# The line that says a run of the 32-bit edition is left out, and why.
report_wine32_skipped() {
    echo "# SKIPPED: tavilo-32.exe under Wine: $wine32_missing"
}
