# The pet on screen: after start-up the animal stands on the lane at the bottom of
# the screen in its own colours, and nothing is drawn anywhere else. Set
# BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890    # the overlay of a 1920 x 1080 screen without a taskbar
above=1920x780+0+100   # everything between Wine's tray window and the lane
lit='r+g+b > 0.1'

# The default corgi without a hat, and no remarks of its own.
mkdir -p "$appdata/Burrowly/profiles"
printf '{"outfit": "none", "chatty": false, "watch_pc": false}' >"$appdata/Burrowly/profiles/$(id -un).json"

pet_on_lane() {
  screenshot "$shots/pet.png"
  [ "$(count_pixels "$shots/pet.png" $lane "$lit")" -gt 400 ]
}

burrowly_bg
wait_for 30 pet_on_lane || fail "only $(count_pixels "$shots/pet.png" $lane "$lit") lit pixels on the lane"
elsewhere=$(count_pixels "$shots/pet.png" $above "$lit")
[ "$elsewhere" -eq 0 ] || fail "$elsewhere lit pixels above the lane"

# Warm fur outweighs blue, which would not hold with the red and blue channels
# swapped on the way to the screen.
warm=$(count_pixels "$shots/pet.png" $lane 'r > b + 0.25')
cool=$(count_pixels "$shots/pet.png" $lane 'b > r + 0.25')
[ "$warm" -gt 200 ] && [ "$warm" -gt $((4 * cool)) ] || fail "fur colours look swapped: $warm warm, $cool cool pixels"

kill -0 "$bg_pid" 2>/dev/null || fail "the tray app did not keep running"

