# Without a display the tray application says why it cannot start and exits 2, while
# the command-line client still works (it never touches the desktop toolkit).
# Usage: no_desktop.sh PATH-TO-burrowly
set -u
exe=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/burrowly-nodesktop.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
mkdir -m 700 "$work/run"
without_desktop() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u APPDATA XDG_CONFIG_HOME="$work/config" \
    XDG_RUNTIME_DIR="$work/run" "$exe" "$@" >"$work/out" 2>"$work/err" </dev/null
}

without_desktop
status=$?
[ "$status" -eq 2 ] || fail "the tray app exited with $status"
[ "$(cat "$work/err")" = "The Burrowly tray application needs a desktop: neither DISPLAY nor WAYLAND_DISPLAY is set." ] ||
  fail "stderr was [$(cat "$work/err")]"

without_desktop say hello
status=$?
[ "$status" -eq 1 ] || fail "say without a tray app exited with $status"
[ "$(cat "$work/err")" = "Start the Burrowly tray app before sending a message." ] ||
  fail "say said [$(cat "$work/err")]"
[ "$failures" -eq 0 ]
