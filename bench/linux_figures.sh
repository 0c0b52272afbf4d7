# Idle processor time and memory of the native Linux tray application with the pet
# showing, printed beside their targets (figures, not checks: they depend on the
# machine and its load, printed beside them). Then the same idle time with the pet
# hidden: what the frame and sensing loop costs without drawing. Run by scripts/bench
# through scripts/x11-harness.

figure() { printf '%-44s %10s   target %s\n' "$1" "$2" "$3"; }
# User plus system clock ticks of the tray application so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$bg_pid/stat"; }
resident_kib() { awk -v field="$1:" '$1 == field { print $2 }' "/proc/$bg_pid/status"; }
seconds=${BURROWLY_IDLE_SECONDS:-60}
# Percent of one core the tray application used over the next $seconds.
idle_cpu() {
  local ticks_before started ticks elapsed_ms
  ticks_before=$(cpu_ticks)
  started=$(date +%s%N)
  sleep "$seconds"  # the measured idle span itself
  ticks=$(($(cpu_ticks) - ticks_before))
  elapsed_ms=$((($(date +%s%N) - started) / 1000000))
  awk -v t="$ticks" -v hz="$(getconf CLK_TCK)" -v ms="$elapsed_ms" 'BEGIN { printf "%.2f %%", 100 * t / hz / (ms / 1000) }'
}
load() { echo "load $(cut -d' ' -f1-3 /proc/loadavg)"; }
# Start-up is over once a second passes with at most two clock ticks (2 % of a core).
settled() {
  local before
  before=$(cpu_ticks)
  sleep 1
  [ $(($(cpu_ticks) - before)) -le 2 ]
}

quiet_profile
burrowly_bg
wait_for_overlay || echo "the tray app showed no overlay"
wait_for 30 settled || echo "the tray app kept busy after start-up"
figure "tray app idle CPU over ${seconds} s" "$(idle_cpu)" "< 0.5 % of one core ($(load))"
figure "tray app with one pet, resident" "$(resident_kib VmRSS) KiB" "< 51200 KiB"
figure "tray app peak resident" "$(resident_kib VmHWM) KiB" "< 51200 KiB"
kill -TERM "$bg_pid"
expect_tray_exit "the tray app did not end"

quiet_profile  # afresh: the saved profile says "pet_hidden": false further down
sed -i 's/^{/{"pet_hidden": true, /' "$config/profiles/tester.json"
burrowly_bg
wait_for 30 settled || echo "the tray app kept busy after start-up"
figure "tray app idle CPU, pet hidden, over ${seconds} s" "$(idle_cpu)" "— ($(load))"
kill -TERM "$bg_pid"
expect_tray_exit "the tray app did not end"
