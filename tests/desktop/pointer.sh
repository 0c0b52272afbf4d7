# The pointer as the pet feels it: a single click on the pet, even one far shorter than
# a frame, brings up a heart. (Strokes are paced frame by frame, which a loaded machine
# cannot promise here; the engine's tests cover them.) Set BURROWLY_SCREENSHOT_DIR to
# keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
lane=1920x190+0+890
heart_pink='r > 0.8 && g < 0.45 && b > 0.45'
quiet_profile

# "X Y", the middle of what is drawn on the lane; nothing while the lane is empty.
pet_centre() {
  screenshot "$shots/pointer-find.png"
  convert "$shots/pointer-find.png" -crop $lane +repage -alpha off -format '%@' info: |
    awk -F'[x+]' '$1 > 1 && $1 < 1920 { print $3 + int($1 / 2), 890 + $4 + int($2 / 2) }'
}
heart_shows() {
  screenshot "$shots/$1.png"
  [ "$(count_pixels "$shots/$1.png" $lane "$heart_pink")" -gt 20 ]
}
no_heart() { ! heart_shows pointer-calm; }
# Each try finds the pet again: it may have walked off since the last one.
click_brings_heart() {
  local x y
  read -r x y <<<"$(pet_centre)"
  [ -n "${x:-}" ] || return 1
  xdotool mousemove "$x" "$y"
  wait_for 3 no_heart || return 1
  xdotool click 1
  wait_for 1 heart_shows clicked
}

burrowly_bg
wait_for_overlay || fail "no overlay"
xdotool mousemove 10 10
wait_for 30 click_brings_heart || fail "no heart after a click on the pet"
