# The basic page end to end, sourced by run_e2e.sh (its helpers and counters): every section
# changed by real clicks, applied, and checked in the virtual mouse, config.bin and str.ini; a
# Cancel that brings the applied page back; screenshots of the open lists.

# The byte at a record offset of config.bin (the record starts after the first-run byte).
config_byte_is() { [ "$(od -An -tu1 -j $((1 + $1)) -N1 "$APP_DIR/config.bin" | tr -d ' ')" = "$2" ]; }
mouse_line() { grep "^$1 " "$APP_DIR/mouse.txt"; }
# Compares two screenshots below the title bar, where the start-up balloon cannot lie.
same_page() { [ "$(compare -metric AE -crop 890x540+0+110 "$shots/$1" "$shots/$2" null: 2>&1)" = 0 ]; }

start_app basic "$(APP_DIR=$work/basic; virtual_mouse_arg)" --show
check "the basic page is shown" traced "shown"
drive wait-window 20 >/dev/null

# Mode B, box 4: "Backward".
drive click 400 525 >/dev/null
drive click 300 277 >/dev/null
check "a function box opens its list" wait_control 44
drive over 44 6 >/dev/null
check "the pointer on \"DPI Switch\" opens the DPI sub-list" wait_control 37
drive move 100 300 >/dev/null
screenshot basic-function-list.png
drive pick 44 4 >/dev/null
check "a choice closes the list" wait_control 44 0

# Mode A: box 2 "Key Off", box 3 "Shift".
drive click 300 525 >/dev/null
drive click 300 231 >/dev/null
wait_control 42 >/dev/null
drive pick 42 15 >/dev/null
drive click 300 254 >/dev/null
wait_control 43 >/dev/null
drive pick 43 14 >/dev/null

# Only one left click left: box 1 warns and opens no list.
drive click 300 208 >/dev/null
check "the only left click warns" traced "message Warning: Left key must be selected!"
check "the warning is a message box" eval 'drive answer-box Warning >/dev/null'
check "the warning opens no list" wait_control 41 0

# Report rate 250, DPI stage 1 on its third segment, stage 3 off.
drive click 620 209 >/dev/null
drive click 562 472 >/dev/null
drive click 613 549 >/dev/null

# Lighting: "Respiration", "6S", "RGB Flash".
drive click 800 337 >/dev/null
wait_control 63 >/dev/null
screenshot basic-lighting-list.png
drive pick 63 1 >/dev/null
drive click 800 367 >/dev/null
wait_control 64 >/dev/null
drive pick 64 2 >/dev/null
drive click 800 397 >/dev/null
wait_control 65 >/dev/null
drive pick 65 1 >/dev/null
check "the lighting fields show the choice" test "$(drive text 80)/$(drive text 81)/$(drive text 82)" = "Respiration/6S/RGB Flash"

drive click 700 630 >/dev/null
check "Apply on the basic page runs the full apply" traced "applied"
check "the mouse has 250 reports per second" mouse_state_has "rate 04"
check "key matrix 1 holds Mode A" test "$(mouse_line matrix1)" = "matrix1 01 00 f0 00 00 00 00 00 08 00 02 00 07 00 04 01 00 08 07 00 07 00 03 00 0a f0 22 03 08 00 03 00 01 00 f4 00 01 00 f3 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 f7 00 01 00 f8 00"
check "key matrix 3 holds Mode B with the shared Shift" test "$(mouse_line matrix3)" = "matrix3 01 00 f0 00 01 00 f1 00 08 00 02 00 07 00 04 01 00 08 07 00 07 00 03 00 0a f0 22 03 08 00 03 00 01 00 f3 00 01 00 f3 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 f7 00 01 00 f8 00"
check "the DPI stages: stage 1 at 750, stage 3 off" mouse_state_has "dpi 04 03 05 88 27 80 80 80 80"
check "the effect block: respiration, 6 s, flash" mouse_state_has "effect 02 03 03"
check "LED colour block 0 for the flash" mouse_state_has "led0 02 02 03"
check "config.bin holds the report rate" config_byte_is 0x785 4
check "config.bin holds Mode B's backward button" config_byte_is $((0xC0 + 3)) 4
check "config.bin holds stage 3 off" config_byte_is $((0x78B + 2)) 0
check "config.bin holds respiration's flash" config_byte_is 0x7A0 2
check "str.ini names Mode B's box 4" str_ini_has "Item43=Backward"
check "str.ini names the shared Shift in both sets" \
  eval 'str_ini_has "Item3=Shift" && str_ini_has "Item33=Shift" && str_ini_has "Item2=Key Off"'
drive move 100 300 >/dev/null
screenshot basic-applied.png

# Changes, Cancel, back from the tray: the page shows the applied state again.
drive click 690 209 >/dev/null
drive click 589 436 >/dev/null
drive click 300 300 >/dev/null
wait_control 45 >/dev/null
drive pick 45 2 >/dev/null
drive click 350 555 >/dev/null
drive click 800 630 >/dev/null
check "Cancel hides the basic page" visible_is 0
check "Cancel puts the key texts back in str.ini" str_ini_has "Item2=Key Off"
drive tray 0x202 >/dev/null
drive move 100 300 >/dev/null
screenshot basic-after-cancel.png
check "after Cancel the page shows the applied state" same_page basic-applied.png basic-after-cancel.png
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# The lists in Chinese, in a copy of the Chinese folder with a trace of its own.
cp -r "$work/chs" "$work/chs-lists"
rm -f "$work/chs-lists/trace.log"
start_app chs-lists "$(APP_DIR=$work/chs-lists; virtual_mouse_arg)" --show
check "the Chinese page is shown again" traced "shown"
drive click 300 300 >/dev/null
wait_control 45 >/dev/null
drive over 45 6 >/dev/null
wait_control 37 >/dev/null
screenshot basic-function-list-chs.png
drive click 800 367 >/dev/null
wait_control 64 >/dev/null
screenshot basic-lighting-list-chs.png
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
