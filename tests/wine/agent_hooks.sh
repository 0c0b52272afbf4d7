# Coding agents' hook events through the real named pipe, byte for byte (a recorder
# stands in for the tray app: burrowly-pipe-record, built beside Burrowly.exe), and
# "hooks install|remove" writing this executable's Windows path into the agents'
# files under the user's profile folder.

unset CLAUDE_CONFIG_DIR CODEX_HOME XDG_CONFIG_HOME
record_tool="$(dirname "$exe")/burrowly-pipe-record.exe"
recorded="$work/recorded"
wine "$record_tool" recorder-stop >"$recorded" 2>/dev/null &
record_pid=$!
# Ready once a message gets through; the recorder keeps that one too.
for _ in $(seq 40); do
  burrowly say probe
  [ "$status" -eq 0 ] && break
  sleep 0.25
done

# Runs "hook AGENT" with the event on standard input, or as the last argument with "arg".
hook_event() {
  if [ "$1" = arg ]; then
    wine "$exe" hook "$2" "$3" >"$out" 2>"$err" </dev/null
  else
    printf '%s' "$2" | wine "$exe" hook "$1" >"$out" 2>"$err"
  fi
  status=$?
  expect_status 0
  expect_out ""
  expect_err ""
}
hook_event claude '{"hook_event_name":"Stop"}'
hook_event claude '{"hook_event_name":"Notification","notification_type":"permission_prompt"}'
hook_event gemini '{"hook_event_name":"AfterAgent","prompt":"p"}'
hook_event gemini '{"hook_event_name":"BeforeTool","tool_name":"x"}'
hook_event gemini '{"hook_event_name":"Notification","notification_type":"ToolPermission"}'
hook_event codex '{"hook_event_name":"PermissionRequest","tool_name":"Bash"}'
hook_event arg codex '{"type":"agent-turn-complete","last-assistant-message":"Done \"here\""}'
hook_event arg opencode '{"type":"permission.replied"}'
hook_event arg opencode '{"type":"session.idle"}'
burrowly say recorder-stop
for _ in $(seq 50); do kill -0 "$record_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$record_pid" 2>/dev/null && { fail "the recorder did not stop"; kill "$record_pid"; }

finished='{"cmd":"ok","text":"AI agent finished!"}'
waiting='{"cmd":"say","text":"Waiting on your input","duration":6.0}'
expected="{\"cmd\":\"say\",\"text\":\"probe\",\"duration\":null}
$finished
$waiting
$finished
$waiting
$waiting
$finished
$finished
"
[ "$(cat "$recorded"; printf x)" = "${expected}x" ] || fail "the pipe carried [$(cat "$recorded")], expected [$expected]"

# With nothing listening a hook call still exits 0 without a word.
hook_event arg codex '{"type":"agent-turn-complete"}'

home="$WINEPREFIX/drive_c/users/$(id -un)"
home_windows="C:\\users\\$(id -un)"
command="$(winepath -w "$exe" 2>/dev/null | tr '\\' '/') hook claude"
burrowly hooks install claude
expect_status 0
expect_out "Claude Code is connected in $home_windows\\.claude\\settings.json.
"
[ "$(grep -cF "\"command\": \"$command\"" "$home/.claude/settings.json")" -eq 2 ] ||
  fail "settings.json: $(cat "$home/.claude/settings.json"), expected the command [$command]"

mkdir -p "$home/.codex"
printf 'model = "o3"\r\n' >"$home/.codex/config.toml"
burrowly hooks install codex
expect_status 0
grep -qF "command = \"$(winepath -w "$exe" 2>/dev/null | tr '\\' '/') hook codex\"" "$home/.codex/config.toml" ||
  fail "config.toml: $(cat "$home/.codex/config.toml")"
burrowly hooks remove codex
expect_status 0
[ "$(cat "$home/.codex/config.toml")" = "$(printf 'model = "o3"\r\n')" ] || fail "remove left [$(cat "$home/.codex/config.toml")]"

burrowly hooks status
expect_status 0
expect_out "Claude Code (claude): connected, $home_windows\\.claude\\settings.json
Gemini CLI (gemini): not connected, $home_windows\\.gemini\\settings.json
Codex (codex): not connected, $home_windows\\.codex\\config.toml
OpenCode (opencode): not connected, $home_windows\\.config\\opencode\\plugins\\burrowly.js
"
