# The tray menu under Wine: it opens from the icon in Wine's tray window, the
# language item switches its texts to Ukrainian, the nickname dialog renames the
# pet, both are saved at once, and its Quit item ends the tray app
# with status 0. Set BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
# True when the area at WxH+X+Y of a fresh screenshot, kept as $1, is mostly light:
# a menu is showing there.
light_area() {
  screenshot "$1"
  awk -v b="$(convert "$1" -crop "$2" -colorspace Gray -format "%[fx:mean]" info:)" 'BEGIN { exit !(b > 0.5) }'
}
menu_shown() { light_area "$1" 140x380+15+5; }
submenu_shown() { light_area "$work/submenu.png" 40x10+195+6; }  # around its first item

# Clicks the first icon of Wine's tray window (top left of the screen) until the
# menu shows, then keeps the screen as $1. Wine sometimes drops the first click
# after a window closed.
open_menu() {
  for button in 3 1 3; do
    xdotool mousemove --sync 600 600
    xdotool mousemove --sync 12 31
    xdotool click "$button"
    wait_for 5 menu_shown "$1" && return 0
  done
  return 1
}
burrowly_bg
wait_for_overlay || fail "the tray app did not start"
open_menu "$shots/tray_menu_en.png" || fail "no menu opened"

# Language, then the first item of its submenu ("укр").
xdotool mousemove --sync 50 11
wait_for 5 submenu_shown || fail "no language submenu"
xdotool mousemove --sync 215 11 click 1
# Menu choices are saved at once, not only at quit.
settings="$appdata/Burrowly/profiles/$(id -un).json"
wait_for 10 grep -q '^  "lang": "uk",$' "$settings" || fail "the language was not saved"
open_menu "$shots/tray_menu_uk.png" || fail "no menu opened the second time"
compare -metric AE "$shots/tray_menu_en.png" "$shots/tray_menu_uk.png" null: 2>"$work/diff" \
  && fail "the menu did not change after choosing Ukrainian"

# "Name Pet...": the dialog takes a nickname, which the next menu shows.
dialog_shown() { dialog=$(xdotool search --name "улюбленця" | head -1); [ -n "$dialog" ]; }
xdotool mousemove 60 232 click 1
wait_for 10 dialog_shown || fail "no nickname dialog"
screenshot "$shots/name_dialog.png"
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key ctrl+a BackSpace
xdotool type --delay 50 "Rex"
xdotool key Return
wait_for 10 grep -q '^    "corgi": "Rex"$' "$settings" || fail "the nickname was not saved"
open_menu "$shots/tray_menu_named.png" || fail "no menu opened after the dialog"
# The information line (second row) changes with the name.
compare -metric AE <(convert "$shots/tray_menu_uk.png" -crop 140x14+15+20 png:-) \
  <(convert "$shots/tray_menu_named.png" -crop 140x14+15+20 png:-) null: 2>"$work/diff" \
  && fail "the nickname did not reach the menu"

# Quit, the last item.
xdotool mousemove 40 412 click 1
expect_tray_exit "Quit did not end the tray app"
