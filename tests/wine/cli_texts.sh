# The command-line texts, byte for byte, through the real Windows executable.

burrowly --version
expect_status 0
expect_out "Burrowly 1.2.0
"
[ "$(wc -c <"$out")" -eq 15 ] || fail "--version printed $(wc -c <"$out") bytes"

burrowly --help
expect_status 0
[ "$(wc -l <"$out")" -eq 12 ] || fail "--help printed $(wc -l <"$out") lines"
head -1 "$out" | grep -q "^Burrowly 1.2.0 — multi-user desktop animal companion suite$" || fail "usage title"
grep -q $'^\tBurrowly.exe term <exit> <sec> \\[cmd\\] Report shell command result$' "$out" || fail "usage term line"
grep -q $'\r' "$out" && fail "usage holds carriage returns"

burrowly Say hi
expect_status 2
expect_err "Unknown Burrowly command: Say. Try --help
"

burrowly say
expect_status 2
expect_err "Missing argument for say
"
