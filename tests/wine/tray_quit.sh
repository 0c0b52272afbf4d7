# Quitting writes the settings before it takes the icon out of the notification area,
# which waits on the program that shows the tray: with that program stopped, the files
# are written all the same, and the tray app ends once it runs again.

menu_shown() {
  screenshot "$work/menu.png"
  awk -v b="$(convert "$work/menu.png" -crop 140x380+15+5 -colorspace Gray -format "%[fx:mean]" info:)" \
    'BEGIN { exit !(b > 0.5) }'
}
open_menu() {
  for button in 3 1 3; do
    xdotool mousemove --sync 600 600
    xdotool mousemove --sync 12 31
    xdotool click "$button"
    wait_for 5 menu_shown && return 0
  done
  return 1
}
# Wine's explorer of this prefix, which shows the tray.
tray_host_pids() {
  local pid
  for pid in $(pgrep -f 'explorer\.exe'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}
index="$appdata/Burrowly/profiles.json"

quiet_profile
burrowly_bg
wait_for_overlay || fail "the tray app did not start"
wait_for 10 test -f "$index" || fail "no profiles index after start-up"
# Only the quit writes the index again.
rm "$index"
open_menu || fail "no menu opened"
tray_host=$(tray_host_pids)
[ -n "$tray_host" ] || fail "Wine's tray program was not found"
kill -STOP $tray_host
xdotool mousemove 40 412 click 1  # Quit, the last item
wait_for 10 test -f "$index" || fail "the settings were not written while the tray icon was being removed"
kill -CONT $tray_host
expect_tray_exit "the tray app did not end"
