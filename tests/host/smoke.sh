# The host build's --smoke-test in a private settings folder: the one success line,
# nothing on standard error, status 0 (its time is a figure of scripts/bench).
# Usage: smoke.sh PATH-TO-burrowly
set -u
exe=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/burrowly-smoke.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

env -u APPDATA XDG_CONFIG_HOME="$work/config" "$exe" --smoke-test >"$work/out" 2>"$work/err"
status=$?

[ "$status" -eq 0 ] || fail "exit status $status"
expected="Burrowly smoke-test OK: 37 pets, multi-user profiles=$work/config/Burrowly/profiles, renderer=burrowly-canvas"
[ "$(cat "$work/out"; printf x)" = "$expected
x" ] || fail "stdout was [$(cat "$work/out")], expected [$expected]"
[ -s "$work/err" ] && fail "stderr was [$(cat "$work/err")]"
[ -f "$work/config/Burrowly/profiles.json" ] || fail "no profiles index written"
[ "$failures" -eq 0 ]
