#!/usr/bin/env bash
# A script of tools/ that stops on an error says which step failed and its exit status, in one
# line on standard error, and a script that calls it says so for its own step too.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
test_number=0
ok() {
    test_number=$((test_number + 1))
    echo "ok $test_number - $1"
}
fail() {
    echo "not ok - $1" >&2
    exit 1
}

# Writes a script as tools/ writes one, whose steps are the arguments, one a line.
write_script() {
    local path=$1
    shift
    {
        echo 'set -euo pipefail'
        echo "source '$repo/tools/failure.sh'"
        printf '%s\n' "$@"
    } >"$path"
}

write_script "$work/inner.sh" 'echo first' 'check() { grep -q absent /dev/null; }' \
    'check || echo "a failed condition is no failed step"' 'sh -c "exit 7"' 'echo never'
status=0
bash "$work/inner.sh" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 7 ] || fail "the script ended with status $status, not 7"
[ "$(cat "$work/out")" = "$(printf 'first\na failed condition is no failed step')" ] ||
    fail "the script's output reads: $(cat "$work/out")"
expected="$work/inner.sh: line 6: the step \`sh -c \"exit 7\"\` failed with exit status 7"
[ "$(cat "$work/err")" = "$expected" ] || fail "the report reads: $(cat "$work/err")"
ok "a failing step is named with its line and exit status, once"

write_script "$work/outer.sh" "bash '$work/inner.sh' >/dev/null"
status=0
bash "$work/outer.sh" 2>"$work/err" || status=$?
[ "$status" -eq 7 ] || fail "the calling script ended with status $status, not 7"
[ "$(sed -n 1p "$work/err")" = "$expected" ] || fail "the inner report reads: $(sed -n 1p "$work/err")"
[ "$(sed -n 2p "$work/err")" = "$work/outer.sh: line 3: the step \`bash '$work/inner.sh' > /dev/null\` failed with exit status 7" ] ||
    fail "the calling script's report reads: $(sed -n 2p "$work/err")"
[ "$(wc -l <"$work/err")" -eq 2 ] || fail "more than one line each: $(cat "$work/err")"
ok "a failure inside a called script reads innermost first, a line each"

write_script "$work/inner.sh" 'f() { false; echo never; }' 'f'
status=0
bash "$work/inner.sh" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q "line 3: the step \`false\` failed with exit status 1" "$work/err" ||
    fail "a step failing in a function reads: $(cat "$work/err")"
ok "a step failing inside a function is named where it failed"
echo "$test_number passed, 0 failed"
