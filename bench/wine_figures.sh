# Time and memory of the Windows executable under Wine, printed beside their targets
# (figures, not checks: they depend on the machine and on Wine). Run by scripts/bench
# through scripts/wine-harness.

load_tool="$(dirname "$exe")/burrowly-pipe-load.exe"
figure() { printf '%-44s %10s   target %s\n' "$1" "$2" "$3"; }
ms_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

burrowly --version  # Wine's first start in a fresh prefix is slow; time the test, not that
started=$(date +%s%N)
burrowly_bg --smoke-test
peak_kib=0  # the process's own high-water mark, read while it runs
while kill -0 "$bg_pid" 2>/dev/null; do
  peak_kib=$(resident_kib VmHWM || echo "$peak_kib")
  sleep 0.1
done
wait "$bg_pid" || echo "the smoke test failed"
figure "--smoke-test wall time" "$(ms_since "$started") ms" "< 5000 ms"
figure "--smoke-test peak resident set" "${peak_kib:-?} KiB" "< 122880 KiB"

mkdir -p "$appdata/Burrowly/profiles"
printf '{"outfit": "none", "chatty": false, "watch_pc": false}' >"$appdata/Burrowly/profiles/$(id -un).json"
started=$(date +%s%N)
burrowly_bg
wait_for_overlay || echo "the tray app showed no overlay"
figure "tray app start to overlay" "$(ms_since "$started") ms" "-"
started=$(date +%s%N)
burrowly
figure "second instance leaves after" "$(ms_since "$started") ms" "< 3000 ms"
sleep 5  # a settled pet, as a user would see it
rss_before=$(resident_kib VmRSS)
figure "tray app with one pet, resident" "${rss_before:-?} KiB" "< 40960 KiB"

wine "$load_tool" 25 >/dev/null 2>"$work/load.log"
rss_after=$(resident_kib VmRSS)
figure "tray app under 500 clients, peak resident" "$(resident_kib VmHWM) KiB" "< 61440 KiB"
figure "tray app after the load, resident" "${rss_after:-?} KiB" "< 61440 KiB"
figure "growth through the load" "$(( ${rss_after:-0} - ${rss_before:-0} )) KiB" "< 8192 KiB"
sed 's/^/  load: /' "$work/load.log"


# CPU and pushes while the pet is awake (it sits, walks and plays by itself), asleep
# and hidden, each a profile the running app switches to; then memory after five
# animals. CPU is the process's own user and system time over the window.
window=${BURROWLY_BENCH_WINDOW:-60}
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$bg_pid/stat"; }
profile_as() {  # NAME FIELDS: a quiet profile with these fields, switched to
  printf '{"outfit": "none", "chatty": false, "watch_pc": false, "break_min": 0, "water_min": 0,
  "lunch_hour": -1, "bed_hour": -1, %s}' "$2" >"$appdata/Burrowly/profiles/$1.json"
  burrowly profile "$1"
  sleep 3  # the switch shown and settled
}
pushes_so_far() { grep -c "Call user32.UpdateLayeredWindowIndirect" "$work/bg.err"; }
measure() {  # LABEL TARGET: CPU (and pushes when they are counted) over the window
  local ticks pushes
  ticks=$(cpu_ticks) pushes=$(pushes_so_far)
  sleep "$window"
  ticks=$(( $(cpu_ticks) - ticks )) pushes=$(( $(pushes_so_far) - pushes ))
  local hz
  hz=$(getconf CLK_TCK)
  if [ "$counting" = yes ]; then
    figure "pushes, pet $1" "$(awk -v n="$pushes" -v s="$window" 'BEGIN { printf "%.1f /s", n / s }')" "$2"
  else
    figure "CPU, pet $1 (${window} s)" "$(awk -v t="$ticks" -v hz="$hz" -v s="$window" \
      'BEGIN { printf "%.2f %%", 100 * t / hz / s }')" "$3"
  fi
}
states() {
  profile_as awake '"pet": "cat", "forced_sleep": false, "pet_hidden": false'
  measure "awake (sits, walks)" "-" "-"
  profile_as asleep '"pet": "cat", "forced_sleep": true, "pet_hidden": false'
  measure asleep "<= 8 /s" "< 4 %"
  [ "$counting" = yes ] && return
  profile_as hidden '"pet": "cat", "forced_sleep": false, "pet_hidden": true'
  measure hidden "-" "-"
}
echo "  load average before the windows: $(cut -d' ' -f1-3 /proc/loadavg)"
counting=no
states
for pet in corgi owl frog duck fox; do profile_as "$pet" "\"pet\": \"$pet\""; done
figure "tray app after five animals, resident" "$(resident_kib VmRSS) KiB" "-"
sleep 15  # the last newcomer has run in and the animal before it has left
figure "  the same, one animal on screen again" "$(resident_kib VmRSS) KiB" "-"
wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"

# The pushes, counted at the window's update call by Wine's relay trace (which costs
# time of its own, so CPU is measured above without it).
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d user32.UpdateLayeredWindowIndirect /f \
  >/dev/null 2>&1
WINEDEBUG=-all,+relay burrowly_bg
wait_for_overlay || echo "the tray app showed no overlay"
counting=yes
states
echo "  load average after the windows: $(cut -d' ' -f1-3 /proc/loadavg)"

# Quit: from the close request (taskkill without /F has returned) to the settings
# written and to the process's end.
active=$(sed -n 's/.*"active_profile": "\(.*\)".*/\1/p' "$appdata/Burrowly/profiles.json")
settings="$appdata/Burrowly/profiles/$active.json"
saved_before=$(stat -c %.9Y "$settings" 2>/dev/null)
wine taskkill /IM Burrowly.exe >/dev/null 2>&1
started=$(date +%s%N)
saved_ms=""
while kill -0 "$bg_pid" 2>/dev/null; do
  [ -z "$saved_ms" ] && [ "$(stat -c %.9Y "$settings" 2>/dev/null)" != "$saved_before" ] \
    && saved_ms=$(ms_since "$started")
  sleep 0.02
done
figure "quit: close request to settings saved" "${saved_ms:-?} ms" "before the icon is removed"
figure "quit: close request to process end" "$(ms_since "$started") ms" "-"
expect_tray_exit "the tray app did not end"
