# Quick clicks on the pet: three clicks, each over well within one frame, make it jump
# with a cry, which shows only when every one of them was seen. Set
# BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890  # the overlay of a 1920 x 1080 screen without a taskbar
white='r > 0.9 && g > 0.9 && b > 0.9'

# Counts the white pixels of the lane on a fresh screenshot kept as $shots/$1.png.
lane_white() {
  screenshot "$shots/$1.png"
  count_pixels "$shots/$1.png" $lane "$white"
}
pet_shown() {
  screenshot "$shots/pet_found.png"
  [ "$(count_pixels "$shots/pet_found.png" $lane 'r+g+b > 0.1')" -gt 400 ]
}
# The middle of the lit columns of the lane: the pet.
pet_x() {
  pet_shown || return
  convert "$shots/pet_found.png" -crop $lane +repage -colorspace Gray -threshold 5% -scale 1920x1! txt:- |
    sed 1d | grep -v '#000000' | awk -F, '{ s += $1; n++ } END { if (n) print int(s / n) }'
}
# The pet standing still (found twice at the same place), its place in $x.
pet_still() {
  local first
  first=$(pet_x) && x=$(pet_x) && [ -n "$first" ] && [ -n "$x" ] && [ $((first - x)) -le 3 ] && [ $((x - first)) -le 3 ]
}
cry_shown() { [ "$(lane_white pet_cry)" -gt $((white_before + 400)) ]; }
cry_gone() { [ "$(lane_white pet_quiet)" -lt $((white_before + 400)) ]; }

quiet_profile
burrowly_bg
wait_for 30 pet_shown || fail "no pet on the lane"
white_before=$(count_pixels "$shots/pet_found.png" $lane "$white")

# The pet walks about: each try waits for it to stand still.
cried=false
for _ in 1 2 3 4 5 6; do
  wait_for 20 pet_still || continue
  xdotool mousemove --sync "$x" 1050
  xdotool click --repeat 3 --delay 70 1
  wait_for 3 cry_shown && cried=true && break
  xdotool mousemove --sync 1900 300
  wait_for 10 cry_gone
done
$cried || fail "three quick clicks on the pet went unseen"

wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"
