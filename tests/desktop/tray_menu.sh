# The tray menu in a system tray: a click opens it, "Hide pet" hides the overlay, the
# language submenu switches the menu to Ukrainian, "Start at login" writes the XDG
# autostart entry, and "Quit" ends the application; each choice is saved. Set BURROWLY_SCREENSHOT_DIR to keep the pictures.
# tray: yes

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
quiet_profile
profile="$config/profiles/tester.json"
sed -i 's/^{/{"lang": "en", /' "$profile"

icon_centre() {
  xwininfo -root -tree | sed -n 's/.*"burrowly": ("burrowly" "burrowly")  \([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]*  +\([0-9]*\)+\([0-9]*\).*/\1 \2 \3 \4/p' |
    awk '$1 < 64 && $2 < 64 { print $3 + int($1 / 2), $4 + int($2 / 2); exit }'
}
docked() { [ -n "$(icon_centre)" ]; }
# The menu opens below the tray at the top right and is light.
menu_open() {
  screenshot "$shots/$1.png"
  [ "$(count_pixels "$shots/$1.png" 1000x700+920+32 'r+g+b > 1.5')" -gt 20000 ]
}
menu_closed() { ! menu_open closed; }
# A click can come before the tray has mapped the icon: click again until the menu shows.
click_opens_menu() {
  # shellcheck disable=SC2046
  xdotool mousemove $(icon_centre) click 1
  wait_for 2 menu_open "$1"
}
open_menu() {
  wait_for 20 click_opens_menu "$1" || fail "the menu did not open ($1)"
}
viewable() {
  local id
  id=$(xwininfo -root -tree | grep '"Burrowly": ("burrowly" "burrowly")' | awk '{print $1}')
  xwininfo -id "$id" | grep -q 'Map State: IsViewable'
}
hidden() { ! viewable; }
saved() { grep -q "$1" "$profile"; }

burrowly_bg
wait_for_overlay || fail "no overlay"
wait_for 30 docked || fail "the icon did not dock in the tray"

# Language, Put to sleep, Hide pet: the first lines that can be chosen.
open_menu menu_en
xdotool key Down Down Down Return
wait_for 10 hidden || fail "Hide pet left the overlay shown"
wait_for 10 saved '"pet_hidden": true' || fail "Hide pet was not saved"

# The language submenu lists Ukrainian first.
wait_for 10 menu_closed
open_menu menu_en_again
xdotool key Down Right Return
wait_for 10 saved '"lang": "uk"' || fail "the language choice was not saved"
wait_for 10 menu_closed
open_menu menu_uk

# Above the counters (which cannot be chosen) and Quit: Start at login.
xdotool key Up Up Return
entry="$XDG_CONFIG_HOME/autostart/burrowly.desktop"
wait_for 10 test -f "$entry" || fail "Start at login wrote no autostart entry"
grep -qx "Exec=\"$exe\"" "$entry" || fail "the autostart entry runs something else: $(cat "$entry")"

# The last line is Quit.
wait_for 10 menu_closed
open_menu menu_uk_again
xdotool key Up Return
expect_tray_exit "Quit did not end the tray app"
