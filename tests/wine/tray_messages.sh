# Messages through the real pipe and the settings files: "say" puts a bubble over the
# pet, "fail" shows it in the warning colours, "profile" switches and writes the
# index, and quitting saves the exact files. Set BURROWLY_SCREENSHOT_DIR to keep the
# pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890
white='r > 0.9 && g > 0.9 && b > 0.9'
red='r > 0.6 && g < 0.35 && b < 0.3'
user=$(id -un)
folder="$appdata/Burrowly"

# Counts the pixels of the lane matching EXPR on a fresh screenshot kept as $shots/$1.png.
lane_pixels() {
  screenshot "$shots/$1.png"
  count_pixels "$shots/$1.png" $lane "$2"
}
pet_shown() { [ "$(lane_pixels quiet 'r+g+b > 0.1')" -gt 400 ]; }
bubble_shown() { [ "$(lane_pixels "$1" "$white")" -gt $((white_before + 400)) ]; }
bubble_gone() { [ "$(lane_pixels gone "$white")" -lt $((white_before + 400)) ]; }
warning_shown() { [ "$(lane_pixels fail "$red")" -gt $((red_before + 60)) ]; }
index_is() { [ "$(cat "$folder/profiles.json"; printf x)" = "${1}x" ]; }

# A quiet pet without a hat: no remark of its own competes with the messages' bubbles.
quiet_profile

burrowly_bg
wait_for 30 pet_shown || fail "no pet on the lane"
white_before=$(count_pixels "$shots/quiet.png" $lane "$white")
red_before=$(count_pixels "$shots/quiet.png" $lane "$red")

burrowly say hello there
expect_status 0
wait_for 10 bubble_shown say || fail "no bubble after say: $white_before white pixels before"

wait_for 15 bubble_gone || fail "the bubble stayed"
burrowly fail oops
expect_status 0
wait_for 10 warning_shown || fail "no warning colours after fail: $red_before red pixels before"

burrowly profile work
expect_status 0
index="{
  \"active_profile\": \"work\",
  \"profiles\": [
    \"$user\",
    \"work\"
  ]
}"
wait_for 10 index_is "$index" || fail "index after the switch: $(cat "$folder/profiles.json")"

wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"

[ "$(ls "$folder")" = "profiles
profiles.json" ] || fail "settings folder holds: $(ls "$folder")"
[ "$(ls "$folder/profiles")" = "$user.json
work.json" ] || fail "profiles folder holds: $(ls "$folder/profiles")"
[ "$(cat "$folder/profiles.json"; printf x)" = "${index}x" ] || fail "index at quit: $(cat "$folder/profiles.json")"

# Each profile file: every key in its place, two-space indent, no final line break.
keys='profile_id profile_display pet size coat outfit lang position top_notch mood break_min water_min
lunch_hour bed_hour pet_names pet_hidden forced_sleep chatty watch_pc listens cross_monitors first_day
visit_day stat_day stat_cursor stat_fly stat_ball stat_pet_today stat_pet_all work_day work_sec water_count'
for id in "$user" work; do
  file="$folder/profiles/$id.json"
  written=$(sed -n 's/^  "\([a-z_]*\)": .*/\1/p' "$file" | tr '\n' ' ')
  [ "$written" = "$(echo $keys) " ] || fail "$id.json keys: $written"
  [ "$(head -c 1 "$file")$(tail -c 1 "$file")" = "{}" ] || fail "$id.json does not run from { to }"
  grep -q "^  \"profile_id\": \"$id\",$" "$file" || fail "$id.json names another profile"
done
grep -q '^  "outfit": "none",$' "$folder/profiles/$user.json" || fail "the user's own settings were not kept"
grep -q '^  "pet_names": {},$' "$folder/profiles/work.json" || fail "work.json has no empty name map"
