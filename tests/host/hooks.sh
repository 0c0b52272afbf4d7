# The host build's "hooks" and "hook AGENT" in a private home folder: the entries
# name this executable's full path, install twice adds nothing, remove takes only
# ours out, and a hook call with no tray app running exits 0 without a word.
# Usage: hooks.sh PATH-TO-burrowly
set -u
exe=$(readlink -f "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/burrowly-hooks.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
run() { env -u APPDATA -u CLAUDE_CONFIG_DIR -u CODEX_HOME HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work/run" "$exe" "$@" >"$work/out" 2>"$work/err" </dev/null; status=$?; }
mkdir -p "$work/home/.claude" "$work/run"
settings="$work/home/.claude/settings.json"
printf '{\n  "model": "opus"\n}\n' >"$settings"

run hooks install claude
[ "$status" -eq 0 ] || fail "install: status $status, stderr [$(cat "$work/err")]"
[ "$(grep -c "\"command\": \"$exe hook claude\"" "$settings")" -eq 2 ] || fail "install: $(cat "$settings")"
grep -q '"model": "opus"' "$settings" || fail "install lost the model setting"
cmp -s "$settings.bak" <(printf '{\n  "model": "opus"\n}\n') || fail "no .bak of the previous file"

run hooks install claude
[ "$(grep -c "hook claude" "$settings")" -eq 2 ] || fail "second install duplicated the entries"
run hooks status
grep -qx "Claude Code (claude): connected, $settings" "$work/out" || fail "status: [$(cat "$work/out")]"

for agent in claude gemini codex opencode; do
  run hook "$agent" '{"hook_event_name":"Stop","type":"session.idle"}'
  [ "$status" -eq 0 ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ] || fail "hook $agent without a tray app"
done

run hooks remove claude
[ "$status" -eq 0 ] || fail "remove: status $status"
cmp -s "$settings" <(printf '{\n  "model": "opus"\n}\n') || fail "remove left [$(cat "$settings")]"
[ "$failures" -eq 0 ]
