# The key-function dialogs end to end, sourced by run_e2e.sh (its helpers and counters): real
# clicks and real keys through the system's input, the answers applied into the virtual mouse
# and str.ini; screenshots of each dialog in English and in Traditional Chinese.

# Opens box n's function list and picks an entry that runs a dialog.
open_dialog() {  # box entry
  local y=$((208 + 23 * ($1 - 1)))
  drive click 300 "$y" >/dev/null
  wait_control $((40 + $1)) >/dev/null
  drive pick $((40 + $1)) "$2" >/dev/null
}
dialog_open() { [ "$(drive exists "$1")" = 1 ]; }
press_keys() { for key in "$@"; do drive press "$key" >/dev/null; done; }
dialog_ok() { drive click 200 262 >/dev/null; }
dialog_cancel() { drive click 320 262 >/dev/null; }

start_app dialogs "$(APP_DIR=$work/dialogs; virtual_mouse_arg)" --show
check "the dialogs' page is shown" traced "shown"
drive wait-window 20 >/dev/null

# Box 9: the combo "Left Shift" + Ctrl + C, with real keys.
open_dialog 9 12
check "\"Combo Key\" opens its dialog" wait_control 516
drive click 90 128 >/dev/null
press_keys 0x11
drive click 90 178 >/dev/null
press_keys 0x43
check "the keys are captured into their boxes" test "$(drive text 517)" = "C"
drive click 125 77 >/dev/null
wait_control 515 >/dev/null
drive over 515 1 >/dev/null
screenshot dialog-combo-key.png
drive pick 515 1 >/dev/null
check "the modifier is picked" test "$(drive text 512)" = "Left Shift"
dialog_ok
check "OK ends the combo dialog" wait_control 516 0

# A list dialog: its list opened, seen, an entry picked, OK.
pick_in_dialog() {  # box entry field_id entry_picked screenshot
  open_dialog "$1" "$2"
  wait_control "$3" >/dev/null
  drive click 100 135 >/dev/null
  wait_control $(($3 + 1)) >/dev/null
  screenshot "$5"
  drive pick $(($3 + 1)) "$4" >/dev/null
  dialog_ok
  wait_control "$3" 0 >/dev/null
}
# Box 4: the media key "Vol-"; box 5: "Browser-My Favorites".
pick_in_dialog 4 9 552 6 dialog-media-key.png
pick_in_dialog 5 8 532 10 dialog-windows-key.png

# Box 6: the fire key "R-Tilt Wheel", speed 40, times 0; the list scrolled by the wheel.
open_dialog 6 10
wait_control 574 >/dev/null
drive click 90 127 >/dev/null
press_keys 0x23 0x08 0x08 0x08 0x34 0x30
drive click 90 177 >/dev/null
press_keys 0x23 0x08 0x08 0x08 0x30
drive click 125 77 >/dev/null
wait_control 573 >/dev/null
drive wheel 90 150 -17 >/dev/null
screenshot dialog-fire-key.png
drive pick 573 60 >/dev/null
check "the fire key is picked from the scrolled list" test "$(drive text 572)" = "R-Tilt Wheel"
dialog_ok
wait_control 574 0 >/dev/null

# Box 7: the single key F5; Enter is captured, not taken as OK.
open_dialog 7 11
wait_control 502 >/dev/null
press_keys 0x0D
check "Enter is a key in the single-key dialog" test "$(drive text 502)" != ""
check "Enter does not end the single-key dialog" dialog_open 502
press_keys 0x74
screenshot dialog-single-key.png
dialog_ok
wait_control 502 0 >/dev/null

# The macro dialog, seen and cancelled: nothing changes.
open_dialog 10 13
wait_control 592 >/dev/null
screenshot dialog-macro-key.png
dialog_cancel
wait_control 592 0 >/dev/null

drive click 700 630 >/dev/null
check "Apply after the dialogs" traced "applied"
check "key matrix 1 holds the dialogs' functions" test "$(mouse_line matrix1)" = "matrix1 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 04 01 00 02 e0 06 0a f6 28 00 00 00 3e 00 08 00 03 00 03 00 ea 00 03 00 2a 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 f7 00 01 00 f8 00"
check "str.ini names the combo as the system names its keys" str_ini_has "Item9=Combo Key-Left Shift+Control+C"
check "str.ini names the media key" str_ini_has "Item4=Multimedia-Vol-"
check "str.ini names the Windows function alone" str_ini_has "Item5=Browser-My Favorites"
check "str.ini names the fire key" str_ini_has "Item6=Fire Key-R-Tilt Wheel"
check "str.ini names the single key" str_ini_has "Item7=Single Key-F5"
check "str.ini keeps the macro button's text" str_ini_has "Item10=RGB On/Off"
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# Every dialog in Traditional Chinese.
language_folder cht CHT
start_app cht "$(APP_DIR=$work/cht; virtual_mouse_arg)" --show
check "the Traditional Chinese page is shown" traced "shown"
for shown in "9 12 516 combo-key" "4 9 552 media-key" "5 8 532 windows-key" "6 10 574 fire-key" \
  "7 11 502 single-key" "10 13 592 macro-key"; do
  read -r box entry control name <<<"$shown"
  open_dialog "$box" "$entry"
  wait_control "$control" >/dev/null
  screenshot "dialog-$name-cht.png"
  dialog_cancel
  wait_control "$control" 0 >/dev/null
done
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
