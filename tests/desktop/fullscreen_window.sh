# An active window that fills the monitor hides the overlay; once it is gone the pet
# comes back. Set BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890
quiet_profile

pet_on_lane() {
  screenshot "$shots/fullscreen.png"
  [ "$(count_pixels "$shots/fullscreen.png" $lane 'r+g+b > 0.1')" -gt 400 ]
}
viewable() {
  local id
  id=$(xwininfo -root -tree | grep '"Burrowly": ("burrowly" "burrowly")' | awk '{print $1}')
  xwininfo -id "$id" | grep -q 'Map State: IsViewable'
}
hidden() { ! viewable; }
made_active() { xprop -root -f _NET_ACTIVE_WINDOW 32x -set _NET_ACTIVE_WINDOW "$1"; }

burrowly_bg
wait_for 30 pet_on_lane || fail "no pet on the lane"

# A window filling the monitor, made the active one as a window manager would.
xmessage -geometry 1920x1080+0+0 "a fullscreen program" >/dev/null 2>&1 &
player=$!
helpers+=($player)
wait_for 10 xwininfo -name xmessage >/dev/null 2>&1 || fail "the fullscreen window did not appear"
window=$(xwininfo -name xmessage | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
made_active "$window"
wait_for 10 hidden || fail "the overlay stayed shown under a fullscreen window"

kill "$player"
made_active 0
wait_for 10 viewable || fail "the overlay did not come back after the fullscreen window"
