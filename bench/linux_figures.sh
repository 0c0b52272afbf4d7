# Idle processor time and memory of the native Linux tray application with the pet
# showing, printed beside their targets (figures, not checks: they depend on the
# machine). Run by scripts/bench through scripts/x11-harness.

figure() { printf '%-44s %10s   target %s\n' "$1" "$2" "$3"; }
# User plus system clock ticks of the tray application so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$bg_pid/stat"; }
resident_kib() { awk -v field="$1:" '$1 == field { print $2 }' "/proc/$bg_pid/status"; }

quiet_profile
burrowly_bg
wait_for_overlay || echo "the tray app showed no overlay"
seconds=${BURROWLY_IDLE_SECONDS:-60}
ticks_before=$(cpu_ticks)
started=$(date +%s%N)
sleep "$seconds"  # the measured idle span itself
ticks=$(( $(cpu_ticks) - ticks_before ))
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
hz=$(getconf CLK_TCK)
figure "tray app idle CPU over ${seconds} s" \
  "$(awk -v t="$ticks" -v hz="$hz" -v ms="$elapsed_ms" 'BEGIN { printf "%.2f %%", 100 * t / hz / (ms / 1000) }')" \
  "< 0.5 % of one core"
figure "tray app with one pet, resident" "$(resident_kib VmRSS) KiB" "< 51200 KiB"
figure "tray app peak resident" "$(resident_kib VmHWM) KiB" "< 51200 KiB"
kill -TERM "$bg_pid"
expect_tray_exit "the tray app did not end"
