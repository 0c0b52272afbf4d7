# --smoke-test of the real Windows executable: the exact success line with the
# profiles folder under APPDATA, status 0, and its time.

burrowly --version  # Wine's first start in a fresh prefix is slow; time the test, not that
started=$(date +%s%N)
burrowly --smoke-test
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
expect_status 0
expect_out "Burrowly smoke-test OK: 37 pets, multi-user profiles=C:\\users\\$(id -un)\\AppData\\Roaming\\Burrowly\\profiles, renderer=burrowly-canvas
"
expect_err ""
[ -f "$appdata/Burrowly/profiles.json" ] || fail "no profiles index written"
echo "smoke test under Wine took $elapsed_ms ms"
[ "$elapsed_ms" -lt 5000 ] || fail "took $elapsed_ms ms"
