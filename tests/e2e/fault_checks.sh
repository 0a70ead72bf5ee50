# An apply against a mouse that stops answering after its handshake, sourced by run_e2e.sh (its
# helpers and counters): the warning on Apply, the choices saved all the same, the mouse's own
# blocks kept in its memory, and the mouse shown as missing once the link is checked again.

own_block0() {  # the factory configuration block 0 as the memory file writes it: c0 c1 .. d7
  printf 'config0'
  for byte in $(seq 192 215); do printf ' %02x' "$byte"; done
}
not_traced() { ! grep -aqF "OutputDebugStringA \"$1" "$APP_TRACE"; }
box_shown() { [ "$(drive box-shown "$1")" = 1 ]; }

start_app faults "$(APP_DIR=$work/faults; virtual_mouse_arg)" --virtual-mouse-fault=no-answer --show
check "a mouse that stops answering still passes its handshake" \
  traced "balloon Info: The system detect the gaming mouse."
check "the program with the failing mouse is shown" traced "shown"
drive wait-window 20 >/dev/null
drive click 700 630 >/dev/null
check "Apply against the failing mouse shows the warning" traced \
  "message Warning: The mouse did not answer. Your settings are saved and will be sent with the next Apply."
check "the warning box is shown" within 5 box_shown Warning
screenshot apply-warning.png
check "the warning box is answered" drive answer-box Warning
check "the apply stops at its first failed read" traced "apply stopped at 0x8d read effect"
check "the mouse keeps its effect" mouse_state_has "effect 01 03 02"
check "the mouse keeps its LED set 0" mouse_state_has "led0 01 00 00"
check "the mouse keeps its configuration block 0" mouse_state_has "$(own_block0)"
check "the mouse keeps its DPI stages" mouse_state_has "dpi 04 02 04 06 08 80 80 80 80"
check "the choices are saved all the same" config_first_byte_is 1
check "the link's new check shows the mouse missing" \
  traced "balloon Warning: The system did not detect the gaming mouse!"
check "an apply that stopped is not counted as applied" not_traced "applied"
drive command 1028 >/dev/null
check "Exit after the failed apply ends with code 0" exited_with 0 15

# The same warning in Chinese.
language_folder faults-chs CHS
start_app faults-chs "$(APP_DIR=$work/faults-chs; virtual_mouse_arg)" --virtual-mouse-fault=no-answer --show
check "the Chinese program with the failing mouse is shown" traced "shown"
drive wait-window 20 >/dev/null
drive click 700 630 >/dev/null
check "Apply against the failing mouse warns in Chinese" traced "message Warning: "
within 5 box_shown Warning >/dev/null
screenshot apply-warning-chs.png
check "the Chinese warning box is answered" drive answer-box Warning
check "the Chinese apply stops at its first failed read" traced "apply stopped at 0x8d read effect"
drive command 1028 >/dev/null
check "Exit after the failed Chinese apply ends with code 0" exited_with 0 15
