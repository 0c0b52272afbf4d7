# Two monitors side by side: each gets its own overlay on its lane, the pet starts on
# the first and moves to the second when a window fills the first. Set
# BURROWLY_SCREENSHOT_DIR to keep the pictures.
# screens: 2

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
first_lane=1920x190+0+890      # the overlay of the 1920 x 1080 monitor at 0,0
second_lane=1280x190+1920+834  # the overlay of the 1280 x 1024 monitor to its right
lit='r+g+b > 0.1'
quiet_profile

# The geometry of each overlay window, mapped or not, as "WxH+X+Y" lines.
overlay_geometries() {
  xwininfo -root -tree | sed -n 's/.*"Burrowly": ("burrowly" "burrowly")  \([0-9]*x[0-9]*+[-0-9]*+[-0-9]*\) .*/\1/p' | sort
}
lit_on() {  # FILE AREA
  count_pixels "$1" "$2" "$lit"
}
pet_on() {  # NAME AREA
  screenshot "$shots/$1.png"
  [ "$(lit_on "$shots/$1.png" "$2")" -gt 400 ]
}
made_active() { xprop -root -f _NET_ACTIVE_WINDOW 32x -set _NET_ACTIVE_WINDOW "$1"; }

burrowly_bg
wait_for 30 pet_on two-first "$first_lane" || fail "no pet on the first monitor's lane"
expected=$(printf '%s\n' "$first_lane" "$second_lane" | sort)
[ "$(overlay_geometries)" = "$expected" ] || fail "overlays at $(overlay_geometries | tr '\n' ' ')instead of both lanes"
stray=$(lit_on "$shots/two-first.png" "$second_lane")
[ "$stray" -eq 0 ] || fail "$stray lit pixels on the second monitor's lane while the pet is on the first"

# A window filling the first monitor, made the active one as a window manager would.
xmessage -geometry 1920x1080+0+0 "a fullscreen program" >/dev/null 2>&1 &
helpers+=($!)
wait_for 10 xwininfo -name xmessage >/dev/null 2>&1 || fail "the fullscreen window did not appear"
made_active "$(xwininfo -name xmessage | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')"
wait_for 15 pet_on two-second "$second_lane" || fail "the pet did not move to the second monitor"
warm=$(count_pixels "$shots/two-second.png" "$second_lane" 'r > b + 0.25')
[ "$warm" -gt 200 ] || fail "only $warm pixels of warm fur on the second monitor"
