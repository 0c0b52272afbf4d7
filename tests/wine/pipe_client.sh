# The command-line client over the real named pipe: with no tray app every message
# command warns and exits 1 (term and hook stay silent with 0); with the tray app
# running each is taken and exits 0.

no_tray="Start the Burrowly tray app before sending a message.
"
for command in "say hi" "ok" "fail oops" "profile Ann"; do
  # shellcheck disable=SC2086
  burrowly $command
  expect_status 1
  expect_out ""
  expect_err "$no_tray"
done

# Runs the hook command with the event JSON on standard input.
hook() { printf '%s' "$1" | wine "$exe" hook >"$out" 2>"$err"; status=$?; }

burrowly term 1 3 make
expect_status 0
expect_out ""
expect_err ""
hook '{"hook_event_name":"Stop"}'
expect_status 0
expect_out ""
expect_err ""

burrowly_bg
tray_pid=$bg_pid
# Ready once the tray app takes a message.
for _ in $(seq 40); do
  burrowly ok ready
  [ "$status" -eq 0 ] && break
  sleep 0.25
done

for command in "say hi" "ok" "fail oops" "term 2 1 make" "profile $(id -un)"; do
  # shellcheck disable=SC2086
  burrowly $command
  expect_status 0
  expect_out ""
  expect_err ""
done
hook '{"hook_event_name":"Notification","notification_type":"permission_prompt"}'
expect_status 0
expect_out ""
expect_err ""

wine taskkill /IM Burrowly.exe >/dev/null 2>&1
for _ in $(seq 50); do kill -0 "$tray_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$tray_pid" 2>/dev/null && kill "$tray_pid"
