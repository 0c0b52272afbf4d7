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
figure "--smoke-test peak resident set" "${peak_kib:-?} KiB" "< 61440 KiB"

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
figure "tray app with one pet, resident" "${rss_before:-?} KiB" "< 61440 KiB"

wine "$load_tool" 25 >/dev/null 2>"$work/load.log"
rss_after=$(resident_kib VmRSS)
figure "tray app under 500 clients, peak resident" "$(resident_kib VmHWM) KiB" "< 61440 KiB"
figure "tray app after the load, resident" "${rss_after:-?} KiB" "< 61440 KiB"
figure "growth through the load" "$(( ${rss_after:-0} - ${rss_before:-0} )) KiB" "< 8192 KiB"
sed 's/^/  load: /' "$work/load.log"

wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"
