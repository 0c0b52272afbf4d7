# --smoke-test of the real Windows executable: the exact success line with the
# profiles folder under APPDATA and status 0. (Its time and memory: scripts/bench.)

burrowly --smoke-test
expect_status 0
expect_out "Burrowly smoke-test OK: 37 pets, multi-user profiles=C:\\users\\$(id -un)\\AppData\\Roaming\\Burrowly\\profiles, renderer=burrowly-canvas
"
expect_err ""
[ -f "$appdata/Burrowly/profiles.json" ] || fail "no profiles index written"
