# The tray app under load on its pipe: 500 clients at once for 25 s, some sending
# junk, oversized batches, or connecting and hanging (burrowly-pipe-load, built
# beside Burrowly.exe). The app keeps running and answering, applies exactly the
# profile switches whose messages were delivered, in order per client, keeps its memory
# bounded, and still quits cleanly and saves.

load_tool="$(dirname "$exe")/burrowly-pipe-load.exe"
lane=1920x190+0+890
white='r > 0.9 && g > 0.9 && b > 0.9'
user=$(id -un)
folder="$appdata/Burrowly"
alive() { kill -0 "$bg_pid" 2>/dev/null; }

# A quiet pet: no remark of its own makes a bubble.
quiet_profile

burrowly_bg
sleep 6
alive || fail "the tray app did not start"
rss_before=$(resident_kib VmRSS)
echo "tray app resident before the load: ${rss_before:-?} KiB"

wine "$load_tool" 25 >"$work/load.out" 2>"$work/load.log" &
load_pid=$!
while kill -0 "$load_pid" 2>/dev/null; do
  alive || { fail "the tray app ended under load"; break; }
  sleep 1
done
wait "$load_pid" || fail "the load tool failed: $(cat "$work/load.log")"
tr -d '\r' <"$work/load.out" >"$work/switched"  # the console's line ends
cat "$work/load.log"
rss_peak=$(resident_kib VmHWM)
echo "tray app resident at most so far: ${rss_peak:-?} KiB"
delivered_say=$(sed -n 's/^say lines: \([0-9]*\) delivered.*/\1/p' "$work/load.log")
[ "${delivered_say:-0}" -ge 100 ] || fail "only ${delivered_say:-0} say lines got through"
switches=$(wc -l <"$work/switched")
[ "$switches" -ge 5 ] || fail "only $switches profile switches got through"

# Every delivered switch was applied, in order per client: the index lists the user's
# own profile, then exactly the delivered ones with each client's in its sending order.
check_index_list() {
  local listed client
  listed=$(sed -n 's/^    "\([^"]*\)",\{0,1\}$/\1/p' "$folder/profiles.json")
  [ "$(head -1 <<<"$listed")" = "$user" ] || fail "$1: the index does not start with $user"
  [ "$(sed 1d <<<"$listed" | sort)" = "$(sort "$work/switched")" ] || fail "$1: the index lists $(tr '\n' ' ' <<<"$listed")"
  for client in $(sed 's/^load-\([0-9]*\)-.*/\1/' "$work/switched" | sort -u); do
    [ "$(grep "^load-$client-" <<<"$listed")" = "$(grep "^load-$client-" "$work/switched")" ] ||
      fail "$1: client $client's switches are out of order"
  done
}
active_profile() { sed -n 's/^  "active_profile": "\(.*\)",$/\1/p' "$folder/profiles.json"; }
check_index_list "after the load"
# The last switch applied is the last one some client got through.
last_switch=""
for client in $(sed 's/^load-\([0-9]*\)-.*/\1/' "$work/switched" | sort -u); do
  [ "$(active_profile)" = "$(grep "^load-$client-" "$work/switched" | tail -1)" ] && last_switch=$(active_profile)
done
[ -n "$last_switch" ] || fail "the active profile after the load is $(active_profile)"

# Responsive: back on the quiet profile, once every bubble has gone, a new message
# shows within moments. (The virtual display can lag a second or two behind right
# after the load.)
burrowly profile "$user"
expect_status 0
for waited in $(seq 20); do
  sleep 1
  screenshot "$work/quiet.png"
  white_before=$(count_pixels "$work/quiet.png" $lane "$white")
  [ "$white_before" -lt 200 ] && break
done
echo "no bubble left ${waited} s after the load"
burrowly say still here
expect_status 0
for shown in $(seq 10); do
  sleep 0.5
  screenshot "$work/say.png"
  white_after=$(count_pixels "$work/say.png" $lane "$white")
  [ "$white_after" -gt $((white_before + 400)) ] && break
done
echo "the bubble showed within $((shown * 500)) ms"
[ "$white_after" -gt $((white_before + 400)) ] || fail "no bubble after the load: $white_before, then $white_after white pixels"

rss_after=$(resident_kib VmRSS)
echo "tray app resident after the load: ${rss_after:-?} KiB"
[ "${rss_after:-0}" -gt 0 ] && [ "$rss_after" -lt $((60 * 1024)) ] || fail "resident set after the load: ${rss_after:-?} KiB"
[ "${rss_peak:-0}" -gt 0 ] && [ "$rss_peak" -lt $((60 * 1024)) ] || fail "resident set under load reached ${rss_peak:-?} KiB"
[ "${rss_after:-0}" -lt $((${rss_before:-0} + 8 * 1024)) ] || fail "resident set grew from ${rss_before:-?} to ${rss_after:-?} KiB"

wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"

check_index_list "at quit"
[ "$(active_profile)" = "$user" ] || fail "the active profile at quit is $(active_profile)"
expected_files=$( (echo "$user.json"; sed 's/$/.json/' "$work/switched") | sort)
[ "$(ls "$folder/profiles" | sort)" = "$expected_files" ] || fail "profiles folder holds: $(ls "$folder/profiles" | head -20)"
[ -z "$last_switch" ] || grep -q "^  \"profile_id\": \"$last_switch\",$" "$folder/profiles/$last_switch.json" ||
  fail "$last_switch.json names another profile"
grep -q '^  "outfit": "none",$' "$folder/profiles/$user.json" || fail "the user's own settings were not kept"
