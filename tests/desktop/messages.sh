# Messages through the real socket change the picture: "say" puts a bubble over the
# pet, "fail" shows it in the warning colours, "ok" and an agent's hook bring a bubble
# back, "profile" switches and writes the index; SIGTERM ends the application, which
# saves the settings files. Set BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890
white='r > 0.9 && g > 0.9 && b > 0.9'
red='r > 0.6 && g < 0.35 && b < 0.3'

# Counts the pixels of the lane matching EXPR on a fresh screenshot kept as $shots/$1.png.
lane_pixels() {
  screenshot "$shots/$1.png"
  count_pixels "$shots/$1.png" $lane "$2"
}
pet_shown() { [ "$(lane_pixels quiet 'r+g+b > 0.1')" -gt 400 ]; }
bubble_shown() { [ "$(lane_pixels "$1" "$white")" -gt $((white_before + 400)) ]; }
bubble_gone() { [ "$(lane_pixels gone "$white")" -lt $((white_before + 400)) ]; }
warning_shown() { [ "$(lane_pixels fail "$red")" -gt $((red_before + 60)) ]; }
warning_gone() { [ "$(lane_pixels ok "$red")" -lt $((red_before + 60)) ]; }
index_is() { [ "$(cat "$config/profiles.json"; printf x)" = "${1}x" ]; }
send() {
  burrowly "$@"
  [ "$status" -eq 0 ] || fail "\"$*\" exited with $status: $(cat "$err")"
}

quiet_profile
burrowly_bg
wait_for 30 pet_shown || fail "no pet on the lane"
white_before=$(count_pixels "$shots/quiet.png" $lane "$white")
red_before=$(count_pixels "$shots/quiet.png" $lane "$red")

send say hello there
wait_for 10 bubble_shown say || fail "no bubble after say: $white_before white pixels before"
wait_for 15 bubble_gone || fail "the bubble of say stayed"

send fail oops
wait_for 10 warning_shown || fail "no warning colours after fail: $red_before red pixels before"
send ok
wait_for 10 warning_gone || fail "the warning stayed after ok"
wait_for 10 bubble_shown ok || fail "no bubble after ok"
wait_for 15 bubble_gone || fail "the bubble of ok stayed"

printf '{"hook_event_name":"Stop"}' | "$exe" hook claude >"$out" 2>"$err"
[ $? -eq 0 ] || fail "hook exited non-zero: $(cat "$err")"
wait_for 10 bubble_shown hook || fail "no bubble after an agent's hook"

send profile work
index='{
  "active_profile": "work",
  "profiles": [
    "tester",
    "work"
  ]
}'
wait_for 10 index_is "$index" || fail "index after the switch: $(cat "$config/profiles.json")"

rm -f "$config/profiles.json" "$config/profiles/work.json"
kill -TERM "$bg_pid"
expect_tray_exit "SIGTERM did not end the tray app"
index_is "$index" || fail "index at quit: $(cat "$config/profiles.json" 2>&1)"
grep -q '"profile_id": "work"' "$config/profiles/work.json" 2>/dev/null ||
  fail "the active profile's settings were not saved at quit"
