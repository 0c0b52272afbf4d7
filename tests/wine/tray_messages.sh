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

# A quiet pet without a hat: no remark of its own competes with the messages' bubbles.
quiet_profile

burrowly_bg
sleep 6
screenshot "$shots/quiet.png"
white_before=$(count_pixels "$shots/quiet.png" $lane "$white")
red_before=$(count_pixels "$shots/quiet.png" $lane "$red")

burrowly say hello there
expect_status 0
sleep 1
screenshot "$shots/say.png"
white_after=$(count_pixels "$shots/say.png" $lane "$white")
[ "$white_after" -gt $((white_before + 400)) ] || fail "no bubble after say: $white_before, then $white_after white pixels"

sleep 5  # the bubble is gone after 4.2 s
burrowly fail oops
expect_status 0
sleep 1
screenshot "$shots/fail.png"
red_after=$(count_pixels "$shots/fail.png" $lane "$red")
[ "$red_after" -gt $((red_before + 60)) ] || fail "no warning colours after fail: $red_before, then $red_after red pixels"

burrowly profile work
expect_status 0
sleep 2
index="{
  \"active_profile\": \"work\",
  \"profiles\": [
    \"$user\",
    \"work\"
  ]
}"
[ "$(cat "$folder/profiles.json"; printf x)" = "${index}x" ] || fail "index after the switch: $(cat "$folder/profiles.json")"

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
