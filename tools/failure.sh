# Names the step that stopped a script and its exit status on standard error, in one line that
# can be pasted into a question (sourced by the set-up, build and test scripts, which run with
# `set -e`). The trap runs only where `set -e` ends the script; each process reports once, so a
# failure inside a called script reads innermost first.
# shellcheck shell=bash
set -o errtrace
trap 'report_failed_step "$?" "$BASH_COMMAND" "${BASH_SOURCE[0]:-$0}" "$LINENO"' ERR

# Prints: FILE: line N: the step `COMMAND` failed with exit status S
report_failed_step() {
    local status=$1 step=$2 file=$3 line=$4
    echo "$file: line $line: the step \`$step\` failed with exit status $status" >&2
}
