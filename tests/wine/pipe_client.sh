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

# Ready once the tray app takes a message.
takes_a_message() { burrowly ok ready; [ "$status" -eq 0 ]; }
burrowly_bg
wait_for 30 takes_a_message || fail "the tray app never took a message"

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

# A message longer than the tray app reads is refused before it is sent. (A Windows
# command line holds at most 32767 characters, so the line grows through escapes:
# each tab takes two bytes in JSON.)
burrowly say "a$(head -c 17000 /dev/zero | tr '\0' '\t')"
expect_status 2
expect_out ""
expect_err "Message too long: 34041 bytes (at most 32768).
"

wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"
