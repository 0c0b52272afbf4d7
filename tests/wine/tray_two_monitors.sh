# Two monitors (Xvfb's two screens, which Wine places both at the origin): one
# overlay per monitor, each on its own monitor's lane, and the pet on the first.
# screens: 2

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
mkdir -p "$appdata/Burrowly/profiles"
printf '{"outfit": "none", "chatty": false, "watch_pc": false, "cross_monitors": false}' \
  >"$appdata/Burrowly/profiles/$(id -un).json"

overlays() { xwininfo -root -tree -display "$DISPLAY" | sed -n 's/.*"Burrowly": ("burrowly.exe" "burrowly.exe")  \([0-9x+-]*\) .*/\1/p' | sort; }
both_overlays() { [ "$(overlays)" = "1280x190+0+834
1920x190+0+890" ]; }
lit='r+g+b > 0.1'
# The rows below the smaller monitor, which only the first monitor's lane covers.
pet_on_first_lane() {
  screenshot "$shots/two_monitors.png"
  [ "$(count_pixels "$shots/two_monitors.png" 1920x56+0+1024 "$lit")" -gt 200 ]
}

burrowly_bg
wait_for 30 both_overlays || fail "overlays: $(overlays)"
wait_for 30 pet_on_first_lane || fail "the pet is not on the first monitor's lane"
