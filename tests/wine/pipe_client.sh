# The command-line client over the real named pipe with no tray app: every message
# command warns and exits 1; term and hook stay silent with 0.

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
