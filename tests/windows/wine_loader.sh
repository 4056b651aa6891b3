#!/usr/bin/env bash
# On a machine that cannot run Wine's 32-bit loader, Wine runs through its 64-bit one: a stand-in
# for the 32-bit loader that the kernel refuses as "Exec format error" (a program marked for no
# processor) is left alone, the 32-bit run is skipped with its reason, and the 64-bit edition
# still runs.
# Usage: wine_loader.sh TAVILO_EXE
set -euo pipefail
# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"
# shellcheck source=tools/packages.sh
source "$repo/tools/packages.sh"

exe=$1
keep_folder=$(dirname "$exe")/test-screenshots

# A copy of a 64-bit program whose header names no machine (e_machine, at byte 18, set to 0).
stand_in=$work/wine
cp /bin/true "$stand_in"
printf '\0\0' | dd of="$stand_in" bs=1 seek=18 conv=notrunc status=none
refusal=$(LC_ALL=C "$stand_in" 2>&1) && fail "the stand-in ran"
grep -q 'Exec format error' <<<"$refusal" || fail "the stand-in failed otherwise: $refusal"

TAVILO_WINE32_LOADER=$stand_in
# shellcheck source=tools/wineprefix.sh
source "$repo/tools/wineprefix.sh"
choose_wine_loader
[ -z "$wine32" ] || fail "the refused loader was taken as running"
[ "$(command -v wine)" = "$repo/tools/wine64/wine" ] ||
    fail "wine is $(command -v wine), not the 64-bit loader's"
[ "$(command -v wineboot)" = "$repo/tools/wine64/wineboot" ] ||
    fail "wineboot is $(command -v wineboot), not the 64-bit loader's"
[ -e "$stand_in" ] || fail "the stand-in was removed"
skipped=$(report_wine32_skipped)
[ "$skipped" = "# SKIPPED: tavilo-32.exe under Wine: this machine cannot run 32-bit programs" ] ||
    fail "the skip line reads: $skipped"
ok "a 32-bit loader refused by the kernel: Wine goes through its 64-bit loader, and the skip says why"

start_display
start_and_look "$exe"
click "${susumu_at[@]}"
pointer_away
wait_until "a step" at_distance 1
click "${end_at[@]}"
expect_program_ends "終了"
ok "tavilo.exe takes a step through the 64-bit loader"
echo "$test_number passed, 0 failed"
