# The tray menu under Wine: it opens from the icon in Wine's tray window, the
# language item switches its texts to Ukrainian, the nickname dialog renames the
# pet, both are saved at once, and its Quit item ends the tray app
# with status 0. Set BURROWLY_SCREENSHOT_DIR to keep the pictures.

shots=${BURROWLY_SCREENSHOT_DIR:-$work}
# Mean brightness (0-1) of the area where the menu drops down.
menu_brightness() { convert "$1" -crop 140x380+15+5 -colorspace Gray -format "%[fx:mean]" info:; }

# Clicks the first icon of Wine's tray window (top left of the screen) until the
# menu shows, then saves the screen as $1. Wine sometimes drops the first click
# after a window closed.
open_menu() {
  for button in 3 1 3; do
    xdotool mousemove 600 600
    sleep 0.5
    xdotool mousemove 12 31
    sleep 0.5
    xdotool click "$button"
    sleep 2
    screenshot "$1"
    awk -v b="$(menu_brightness "$1")" 'BEGIN { exit !(b > 0.5) }' && return 0
  done
  return 1
}

burrowly_bg
sleep 5
open_menu "$shots/tray_menu_en.png" || fail "no menu opened"

# Language, then the first item of its submenu ("укр").
xdotool mousemove 50 11
sleep 1
xdotool mousemove 215 11 click 1
sleep 1
open_menu "$shots/tray_menu_uk.png" || fail "no menu opened the second time"
compare -metric AE "$shots/tray_menu_en.png" "$shots/tray_menu_uk.png" null: 2>"$work/diff" \
  && fail "the menu did not change after choosing Ukrainian"
# Menu choices are saved at once, not only at quit.
settings="$appdata/Burrowly/profiles/$(id -un).json"
grep -q '^  "lang": "uk",$' "$settings" || fail "the language was not saved"

# "Name Pet...": the dialog takes a nickname, which the next menu shows.
xdotool mousemove 60 232 click 1
sleep 2
screenshot "$shots/name_dialog.png"
dialog=$(xdotool search --name "улюбленця" | head -1)
[ -n "$dialog" ] || fail "no nickname dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key ctrl+a BackSpace
xdotool type --delay 50 "Rex"
xdotool key Return
sleep 1
open_menu "$shots/tray_menu_named.png" || fail "no menu opened after the dialog"
# The information line (second row) changes with the name.
compare -metric AE <(convert "$shots/tray_menu_uk.png" -crop 140x14+15+20 png:-) \
  <(convert "$shots/tray_menu_named.png" -crop 140x14+15+20 png:-) null: 2>"$work/diff" \
  && fail "the nickname did not reach the menu"
grep -q '^    "corgi": "Rex"$' "$settings" || fail "the nickname was not saved"

# Quit, the last item.
xdotool mousemove 40 412 click 1
expect_tray_exit "Quit did not end the tray app"
