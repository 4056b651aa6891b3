# The Wine prefix of a run of the Windows edition under Wine (sourced by the scripts that test
# and measure it): made up front once, with one server for every program of the run.
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
