# The pet on screen: after start-up the animal stands on the lane at the bottom of
# the screen in its own colours, and nothing is drawn anywhere else. A second start
# leaves the first one running and exits 0. Set BURROWLY_SCREENSHOT_DIR to keep the
# pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890    # the overlay of a 1920 x 1080 screen
above=1920x890+0+0
lit='r+g+b > 0.1'

quiet_profile

pet_on_lane() {
  screenshot "$shots/pet.png"
  [ "$(count_pixels "$shots/pet.png" $lane "$lit")" -gt 400 ]
}

burrowly_bg
wait_for 30 pet_on_lane || fail "only $(count_pixels "$shots/pet.png" $lane "$lit") lit pixels on the lane"
elsewhere=$(count_pixels "$shots/pet.png" $above "$lit")
[ "$elsewhere" -eq 0 ] || fail "$elsewhere lit pixels above the lane"

# Warm fur outweighs blue, which would not hold with the red and blue channels swapped.
warm=$(count_pixels "$shots/pet.png" $lane 'r > b + 0.25')
cool=$(count_pixels "$shots/pet.png" $lane 'b > r + 0.25')
[ "$warm" -gt 200 ] && [ "$warm" -gt $((4 * cool)) ] || fail "fur colours look swapped: $warm warm, $cool cool pixels"

[ "$(overlay_count)" -eq 1 ] || fail "$(overlay_count) overlays on one screen"

first=$bg_pid
"$exe" >"$work/second.out" 2>&1 </dev/null &
second=$!
second_ended() { ! kill -0 "$second" 2>/dev/null; }
wait_for 10 second_ended || { fail "a second instance kept running"; kill "$second"; }
second_status=0
wait "$second" || second_status=$?
[ "$second_status" -eq 0 ] || fail "a second instance exited with $second_status"
kill -0 "$first" 2>/dev/null || fail "the first instance did not keep running"
[ "$(overlay_count)" -eq 1 ] || fail "$(overlay_count) overlays after a second start"
