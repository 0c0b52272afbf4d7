# The tray application's lifetime: it starts and keeps running, a second instance
# leaves with status 0, and closing its window ends it with status 0.

alive() { kill -0 "$bg_pid" 2>/dev/null; }

burrowly_bg
wait_for_overlay || fail "the tray app showed no overlay"
alive || fail "the tray app did not keep running"

burrowly
expect_status 0
alive || fail "the first instance stopped when the second one started"

# Without /F, taskkill asks the program's windows to close.
wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end after its window was closed"
