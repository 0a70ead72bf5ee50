# Windows' pointer settings and the skins dialog end to end, sourced by run_e2e.sh (its helpers
# and counters): the values read back by the driver through SystemParametersInfoW under the same
# Wine prefix; the other skin and a colour taken, kept in str.ini and used by the next start.

pointer_is() { [ "$(drive pointer)" = "$1" ]; }
# OK on a dialog until it is gone; a click that comes while it is taking its activation back can
# be lost.
ok_until_gone() {  # a control id of the dialog
  for _ in 1 2 3; do
    drive click 200 262 >/dev/null
    wait_control "$1" 0 && return 0
  done
  return 1
}
str_ini_value() { iconv -f UTF-16 -t UTF-8 "$APP_DIR/str.ini" | tr -d '\r' | grep -m1 "^$1=" | cut -d= -f2; }
str_ini_value_is() { [ "$(str_ini_value "$1")" = "$2" ]; }
# The main window saves the choice once the dialog's window is gone.
str_ini_becomes() { within 5 str_ini_value_is "$1" "$2"; }  # key value

start_app pointer "$(APP_DIR=$work/pointer; virtual_mouse_arg)" --show
check "the pointer page's program is shown" traced "shown"
drive wait-window 20 >/dev/null
to_advanced_page >/dev/null
check "the first advanced page reads Windows" traced "pointer read: "
drive click 90 594 >/dev/null
check "Default puts Windows' usual values" pointer_is "10 3 500 0"
drive click $((52 + 24 * 7 + 5)) 205 >/dev/null
drive click $((52 + 24 * 4 + 5)) 355 >/dev/null
drive click $((52 + 24 * 2 + 5)) 505 >/dev/null
drive click 58 262 >/dev/null
drive move 300 560 >/dev/null
screenshot advanced-pointer.png
drive click 700 630 >/dev/null
check "Apply sends the pointer settings" traced "applied"
check "Windows reads back speed 14, 5 lines, 760 ms, acceleration on" pointer_is "14 5 760 1"
drive click 90 594 >/dev/null
check "Default again: 10, 3 lines, 500 ms, acceleration off" pointer_is "10 3 500 0"

# The other skin and a colour.
to_basic_page >/dev/null
drive click 710 14 >/dev/null
check "the skins button opens the skins dialog" wait_control 561
drive click 145 135 >/dev/null
wait_control 562 >/dev/null
screenshot dialog-skins.png
drive pick-text 562 Cobalt >/dev/null
check "the skin is picked" test "$(drive text 560)" = "Cobalt"
drive click 90 100 >/dev/null &
swatch_click=$!
drive choose-colour 255 200 40 >/dev/null
wait "$swatch_click"
check "OK ends the skins dialog" ok_until_gone 561
check "str.ini keeps the skin" str_ini_becomes Path Cobalt
check "str.ini keeps the colour" test "$(str_ini_value RColor)/$(str_ini_value GColor)/$(str_ini_value BColor)" = "255/200/40"
drive move 100 300 >/dev/null
screenshot basic-other-skin.png
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
start_app pointer "$(virtual_mouse_arg)" --show
traced_again "shown" 1 >/dev/null
drive move 100 300 >/dev/null
screenshot basic-other-skin-restarted.png
check "the next start uses the skin and the colour" same_page basic-other-skin.png basic-other-skin-restarted.png
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# The pointer section and the skins dialog in Simplified Chinese.
cp -r "$work/chs" "$work/chs-pointer"
rm -f "$work/chs-pointer/trace.log"
start_app chs-pointer "$(APP_DIR=$work/chs-pointer; virtual_mouse_arg)" --show
check "the Chinese pointer page's program is shown" traced "shown"
to_advanced_page >/dev/null
traced "pointer read: " >/dev/null
drive move 300 560 >/dev/null
screenshot advanced-pointer-chs.png
drive click 710 14 >/dev/null
wait_control 561 >/dev/null
drive click 145 135 >/dev/null
wait_control 562 >/dev/null
screenshot dialog-skins-chs.png
drive click 320 262 >/dev/null
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
