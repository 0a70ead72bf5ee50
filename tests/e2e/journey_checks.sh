# One user's whole journey, sourced last by run_e2e.sh (its helpers, the earlier files' helpers and
# the counters), written so that a person could follow it by hand: start in the tray, show the
# window, change something in every section and through every dialog, Apply, Exit, start again
# and find every setting back.

show_from_tray() {
  drive tray 0x202 >/dev/null
  within 5 visible_is 1
}
page_shot() {  # file name: the page as the pointer leaves it, away from every control
  drive move 100 300 >/dev/null
  screenshot "$1"
}
# Within a run the editor keeps the macro and the line last worked on, a new run starts with none:
# both pictures show them chosen by hand.
pick_m1_delay() {
  drive pick 151 0 >/dev/null
  drive pick 152 1 >/dev/null
}
files_sum() { (cd "$APP_DIR" && md5sum config.bin str.ini record.ini); }

# 1. Start: the program sits in the tray; a click on its icon shows the basic page.
start_app journey "$(APP_DIR=$work/journey; virtual_mouse_arg)"
check "journey: the program starts in the tray" traced "tray icon added"
traced "initialised" >/dev/null
drive wait-window 20 >/dev/null
check "journey: a tray click shows the window" show_from_tray

# 2. The basic page's sections: box 4 "Backward", 250 reports a second, DPI stage 1 on its third
# segment, lighting "Respiration".
drive click 300 277 >/dev/null
wait_control 44 >/dev/null
drive pick 44 4 >/dev/null
drive click 620 209 >/dev/null
drive click 562 472 >/dev/null
drive click 800 337 >/dev/null
wait_control 63 >/dev/null
drive pick 63 1 >/dev/null

# 3. The key-function dialogs: a single key, a combo, a fire key, a media key, a Windows key.
open_dialog 7 11
wait_control 502 >/dev/null
press_keys 0x74
dialog_ok
check "journey: the single-key dialog ends with OK" wait_control 502 0
open_dialog 9 12
wait_control 516 >/dev/null
drive click 90 128 >/dev/null
press_keys 0x11
drive click 90 178 >/dev/null
press_keys 0x43
drive click 125 77 >/dev/null
wait_control 515 >/dev/null
drive pick 515 1 >/dev/null
dialog_ok
check "journey: the combo-key dialog ends with OK" wait_control 516 0
open_dialog 6 10
wait_control 574 >/dev/null
drive click 125 77 >/dev/null
wait_control 573 >/dev/null
drive pick 573 0 >/dev/null
dialog_ok
check "journey: the fire-key dialog ends with OK" wait_control 574 0
pick_in_dialog 5 9 552 6 journey-media.png
pick_in_dialog 8 8 532 10 journey-windows.png

# 4. The advanced page: a macro "m1" recorded from the A key, its delay made 1300 ms in the delay
# dialog, confirmed; the pointer speed slider on its eighth segment.
to_advanced_page >/dev/null
record_m1 ""
drive click $((52 + 24 * 7 + 5)) 205 >/dev/null

# 5. Back on the basic page, box 10 plays m1 through the macro-key dialog; the skins dialog is
# looked at and cancelled.
to_basic_page >/dev/null
pick_in_dialog 10 13 592 0 journey-macro-key.png
check "journey: the macro-key dialog ends with OK" wait_control 592 0
drive click 710 14 >/dev/null
check "journey: the skins dialog opens" wait_control 561
dialog_cancel
check "journey: the skins dialog ends with Cancel" wait_control 561 0

# 6. Apply: the mouse, config.bin, str.ini, record.ini and Windows take it all.
applies=$(traced_count "applied")
drive click 700 630 >/dev/null
check "journey: Apply runs the full apply" traced_again "applied" "$applies"
check "journey: the mouse has 250 reports a second" mouse_state_has "rate 04"
check "journey: str.ini names every box's new function" eval 'str_ini_has "Item4=Backward" &&
  str_ini_has "Item5=Multimedia-Vol-" && str_ini_has "Item6=Fire Key-A" &&
  str_ini_has "Item7=Single Key-F5" && str_ini_has "Item8=Browser-My Favorites" &&
  str_ini_has "Item9=Combo Key-Left Shift+Control+C"'
check "journey: record.ini holds m1" test "$(record_ini_sections)" = "[m1] "
check "journey: Windows has pointer speed 14" test "$(drive pointer | cut -d' ' -f1)" = 14
page_shot journey-basic.png
to_advanced_page >/dev/null
pick_m1_delay
page_shot journey-advanced.png
mouse_before=$(cat "$APP_DIR/mouse.txt")
files_before=$(files_sum)

# 7. Exit from the tray menu; start again: everything is back, and nothing is sent or saved anew.
drive command 1028 >/dev/null
check "journey: Exit ends the program" exited_with 0 15
mv "$APP_TRACE" "$APP_DIR/trace-first-run.log"
start_app journey "$(virtual_mouse_arg)"
traced "initialised" >/dev/null
drive wait-window 20 >/dev/null
check "journey: after the restart a tray click shows the window" show_from_tray
page_shot journey-basic-restarted.png
check "journey: the basic page is back as applied" same_page journey-basic.png journey-basic-restarted.png
to_advanced_page >/dev/null
pick_m1_delay
page_shot journey-advanced-restarted.png
check "journey: the advanced page is back as applied" \
  same_page journey-advanced.png journey-advanced-restarted.png
check "journey: the files are as they were saved" test "$(files_sum)" = "$files_before"
check "journey: the mouse is as it was programmed" test "$(cat "$APP_DIR/mouse.txt")" = "$mouse_before"
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null
