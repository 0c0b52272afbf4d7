# The tray application's lifetime: it starts and keeps running, a second instance
# leaves at once with status 0, and closing its window ends it with status 0.

alive() { kill -0 "$bg_pid" 2>/dev/null; }

burrowly_bg
sleep 4
alive || fail "the tray app did not keep running"

started=$(date +%s)
burrowly
expect_status 0
[ $(( $(date +%s) - started )) -le 3 ] || fail "the second instance took more than 3 s to leave"
alive || fail "the first instance stopped when the second one started"

# Without /F, taskkill asks the program's windows to close.
wine taskkill /IM Burrowly.exe >/dev/null 2>&1
for _ in $(seq 50); do alive || break; sleep 0.2; done
if alive; then
  fail "the tray app did not end after its window was closed"
  kill "$bg_pid"
else
  wait "$bg_pid"
  tray_status=$?
  [ "$tray_status" -eq 0 ] || fail "the tray app ended with status $tray_status"
fi
