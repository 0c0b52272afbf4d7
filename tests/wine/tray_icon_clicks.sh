# The tray icon's clicks: a double click throws the toy and opens no menu; a single
# left click opens the menu once the double-click time has passed. Set
# BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
settings="$appdata/Burrowly/profiles/$(id -un).json"
# True when the menu's area of a fresh screenshot, kept as $1, is mostly light.
menu_shown() {
  screenshot "$1"
  awk -v b="$(convert "$1" -crop 140x380+15+5 -colorspace Gray -format "%[fx:mean]" info:)" 'BEGIN { exit !(b > 0.5) }'
}
no_menu() { ! menu_shown "$work/no_menu.png"; }
# The throw is counted in the settings, saved shortly after it.
toy_thrown() { grep -q '^  "stat_ball": 1,$' "$settings"; }
click_icon() {
  xdotool mousemove --sync 600 600
  xdotool mousemove --sync 12 31
  xdotool click --repeat "$1" --delay 90 1
}

quiet_profile
burrowly_bg
wait_for_overlay || fail "the tray app did not start"

# Wine sometimes drops a click; a lone click left over opens the menu, which Escape closes.
for _ in 1 2 3; do
  click_icon 2
  wait_for 5 toy_thrown && break
  xdotool key Escape
  wait_for 5 no_menu
done
toy_thrown || fail "a double click on the icon did not throw the toy"
# The toy's save comes after the double-click time, when a menu opened by the first
# click would be showing.
no_menu || fail "a double click opened the menu"

opened=false
for _ in 1 2 3; do
  click_icon 1
  wait_for 5 menu_shown "$shots/tray_menu_left_click.png" && opened=true && break
done
$opened || fail "a single left click opened no menu"
xdotool key Escape
wine taskkill /IM Burrowly.exe >/dev/null 2>&1
expect_tray_exit "the tray app did not end"
