# What a user meets with a damaged program folder, end to end, sourced by run_e2e.sh (its helpers
# and counters): a config.bin cut short, a macro named again in other letters, a skin without its
# main image, a folder without any skin, and Windows' pointer settings after Default and Cancel.

factory_matrix1="matrix1 01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 04 01 00 08 07 00 07 00 03 00"
factory_matrix1="$factory_matrix1 0a f0 22 03 08 00 03 00 01 00 f4 00 01 00 f3 00 00 00 00 00"
factory_matrix1="$factory_matrix1 00 00 00 00 00 00 00 00 00 00 00 00 01 00 f7 00 01 00 f8 00"
window_size_is() {  # width height
  local left top right bottom
  read -r left top right bottom <<<"$(drive rect)"
  [ "$((right - left)) $((bottom - top))" = "$1 $2" ]
}

# config.bin cut to 1000 bytes: the factory settings are shown, told once and sent by Apply.
cp -r "$ready" "$work/damaged"
head -c 1000 "$ready/config.bin" >"$work/damaged/config.bin"
start_app damaged "$(APP_DIR=$work/damaged; virtual_mouse_arg)" --show
check "a damaged config.bin is told" \
  traced "message Vantorelliax GM: The settings file config.bin was damaged"
check "the damaged config.bin's box is answered" drive answer-box "Vantorelliax GM"
check "the program with the damaged config.bin is shown" traced "shown"
check "the damaged config.bin is kept aside" test "$(stat -c %s "$APP_DIR/config.bin.bad")" = 1000
drive click 700 630 >/dev/null
check "Apply after the damage runs" traced "applied"
check "the mouse gets the factory report rate" mouse_state_has "rate 01"
check "the mouse gets the factory key matrix" mouse_state_has "$factory_matrix1"
check "a new config.bin is saved" config_size_is 1986
check "the damage was told once" test "$(traced_count "message Vantorelliax GM: The settings file")" = 1
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# A second macro named "M1" beside m1 would be m1's own section in record.ini.
start_app names "$(APP_DIR=$work/names; virtual_mouse_arg)" --show
traced "shown" >/dev/null
to_advanced_page >/dev/null
drive click 520 497 >/dev/null
drive type m1 >/dev/null
drive click 560 538 >/dev/null  # New
drive click 749 243 >/dev/null  # Start Recording
drive answer-box "Vantorelliax GM" >/dev/null
press_keys 0x41
drive click 749 279 >/dev/null  # Stop Recording
drive answer-box "Vantorelliax GM" >/dev/null
drive click 773 538 >/dev/null  # Confirm
drive click 520 497 >/dev/null
press_keys 0x23 0x08 0x08
drive type M1 >/dev/null
drive click 560 538 >/dev/null
check "M1 beside m1 is refused" traced "message Vantorelliax GM: Macro name already exists"
drive answer-box "Vantorelliax GM" >/dev/null
record_ini_text() { iconv -f UTF-16 -t UTF-8 "$APP_DIR/record.ini" | tr -d '\r'; }
check "record.ini holds m1 alone" test "$(record_ini_text | grep -E '^\[' | tr '\n' ' ')" = "[m1] "
check "m1 keeps its events" eval 'record_ini_text | grep -qx "ItemCount=3"'
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# The named skin lost its main image: the other skin is used, said once, and kept in str.ini.
cp -r "$ready" "$work/noskin"
rm "$work/noskin/Skins/Emerald/main.png"
start_app noskin "$(APP_DIR=$work/noskin; virtual_mouse_arg)" --show
check "a skin without its main image is told" traced \
  "message Vantorelliax GM: The skin \\\"Emerald\\\" cannot be drawn, so the skin \\\"Cobalt\\\" is used."
drive answer-box "Vantorelliax GM" >/dev/null
check "the other skin's window is shown" traced "shown"
check "the window has the skin's size" window_size_is 890 660
drive move 100 300 >/dev/null
screenshot skin-replaced.png
check "str.ini names the skin used" str_ini_has "Path=Cobalt"
check "str.ini keeps the text colour" str_ini_has "GColor=228"
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# No skin at all: the program says its folder is damaged and ends with code 1.
cp -r "$ready" "$work/noskins"
rm -r "$work/noskins/Skins"
start_app noskins "$(APP_DIR=$work/noskins; virtual_mouse_arg)"
check "a folder without skins is told" traced "message Vantorelliax GM: The program folder is damaged"
drive answer-box "Vantorelliax GM" >/dev/null
check "a folder without skins ends the program with code 1" exited_with 1 15

# Default sets Windows at once; Cancel puts back what was applied, as Windows reads it back.
start_app pointer-cancel "$(APP_DIR=$work/pointer-cancel; virtual_mouse_arg)" --show
traced "shown" >/dev/null
to_advanced_page >/dev/null
traced "pointer read: " >/dev/null
drive click $((52 + 24 * 7 + 5)) 205 >/dev/null
drive click $((52 + 24 * 4 + 5)) 355 >/dev/null
drive click $((52 + 24 * 2 + 5)) 505 >/dev/null
drive click 700 630 >/dev/null
traced "applied" >/dev/null
applied=$(drive pointer)
drive click 90 594 >/dev/null
check "Default sets Windows' usual values" pointer_is "10 3 500 0"
drive click 800 630 >/dev/null
check "Cancel puts the applied pointer settings back in Windows" pointer_is "$applied"
check "the applied values are speed 14, 5 lines and 760 ms" test "${applied% *}" = "14 5 760"
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
