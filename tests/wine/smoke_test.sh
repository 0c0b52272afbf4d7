# --smoke-test of the real Windows executable: the exact success line with the
# profiles folder under APPDATA, status 0, its time and its peak resident set.

burrowly --version  # Wine's first start in a fresh prefix is slow; time the test, not that
started=$(date +%s%N)
burrowly_bg --smoke-test
peak_kib=0  # the process's own high-water mark, read while it runs
while kill -0 "$bg_pid" 2>/dev/null; do
  peak_kib=$(resident_kib VmHWM || echo "$peak_kib")
  sleep 0.3
done
wait "$bg_pid"
status=$?
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
cp "$work/bg.out" "$out"
cp "$work/bg.err" "$err"
expect_status 0
expect_out "Burrowly smoke-test OK: 37 pets, multi-user profiles=C:\\users\\$(id -un)\\AppData\\Roaming\\Burrowly\\profiles, renderer=burrowly-canvas
"
expect_err ""
[ -f "$appdata/Burrowly/profiles.json" ] || fail "no profiles index written"
echo "smoke test under Wine took $elapsed_ms ms, resident at most ${peak_kib:-?} KiB"
[ "$elapsed_ms" -lt 5000 ] || fail "took $elapsed_ms ms"
