# The macro editor and recorder end to end, sourced by run_e2e.sh (its helpers and counters):
# a macro recorded from real keys, its delay edited, a second one with a mouse event, the
# second bound to a button with the macro-key dialog; slots, key matrix and record.ini checked.

answer() { drive answer-box "Vantorelliax GM" >/dev/null; }
name_macro() {  # the two keys of a name such as "m1"
  drive click 520 497 >/dev/null
  press_keys 0x23 0x08 0x08 0x08 "$@"
  drive click 560 538 >/dev/null  # New
}
record_ini_sections() {
  iconv -f UTF-16 -t UTF-8 "$APP_DIR/record.ini" | tr -d '\r' | grep -E '^\[' | tr '\n' ' '
}
macro_starts() {  # item bytes...
  local item=$1 line
  shift
  line=$(mouse_line "$item")
  [ "${line#"$item $*"}" != "$line" ]
}

start_app macros "$(APP_DIR=$work/macros; virtual_mouse_arg)" --show
check "the macro page's program is shown" traced "shown"
drive wait-window 20 >/dev/null
to_advanced_page >/dev/null
check "the advanced page has its macro lists" wait_control 151

# m1: A pressed and released, recorded from real key input, its delay made 1300 ms in the delay
# dialog, confirmed. The journey records it again.
record_m1() {  # the screenshot taken while recording, or ""
  name_macro 0x4D 0x31
  check "New lists the macro" test "$(drive text 150)" = "m1"
  drive click 749 243 >/dev/null
  answer
  press_keys 0x41
  check "the recorder records A down and up" traced "message Vantorelliax GM: Start Recording"
  [ -z "$1" ] || screenshot "$1"
  drive click 749 279 >/dev/null
  answer
  drive double-pick 152 1 >/dev/null
  check "a double click on a delay opens the delay dialog" wait_control 600
  drive click 112 136 >/dev/null
  press_keys 0x31 0x33 0x30 0x30
  dialog_ok
  wait_control 600 0 >/dev/null
  drive click 773 538 >/dev/null  # Confirm
}
record_m1 advanced-recording.png

# m2: an inserted "L-Button Click".
name_macro 0x4D 0x32
drive click 800 409 >/dev/null
wait_control 154 >/dev/null
drive over 154 0 >/dev/null
screenshot advanced-mouse-events.png
drive pick 154 0 >/dev/null
drive click 773 538 >/dev/null
check "record.ini holds both macros in their order" test "$(record_ini_sections)" = "[m1] [m2] "

# Box 7 plays m2, repeating until the key is released.
to_basic_page >/dev/null
open_dialog 7 13
wait_control 592 >/dev/null
drive click 100 135 >/dev/null
wait_control 593 >/dev/null
drive pick 593 1 >/dev/null
drive click 228 186 >/dev/null
dialog_ok
wait_control 592 0 >/dev/null
drive click 700 630 >/dev/null
check "Apply after the macros" traced "applied"
check "slot 1 plays A with the 1300 ms delay" macro_starts macro1 00 01 00 04 0d 03 80 04 00
check "slot 2 plays the left-button click" macro_starts macro2 00 01 05 f0 85 f0 00
check "key matrix 1 binds box 7 to macro 2, repeat mode 3" test "$(mouse_line matrix1)" = "matrix1 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 04 01 00 08 07 00 07 00 03 00 09 02 02 00 08 00 03 00 01 00 f4 00 01 00 f3 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 f7 00 01 00 f8 00"

# m1 edited and confirmed again: m2 stays in slot 2.
to_advanced_page >/dev/null
drive pick 151 0 >/dev/null
drive pick 152 2 >/dev/null
drive click 800 409 >/dev/null
wait_control 154 >/dev/null
drive pick 154 4 >/dev/null
drive click 773 538 >/dev/null
drive click 700 630 >/dev/null
check "record.ini keeps the order after m1 is confirmed again" test "$(record_ini_sections)" = "[m1] [m2] "
check "m2 still plays from slot 2" macro_starts macro2 00 01 05 f0 85 f0 00
check "m1 plays its new event" macro_starts macro1 00 01 00 04 0d 03 85 04 80 f0 00
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
