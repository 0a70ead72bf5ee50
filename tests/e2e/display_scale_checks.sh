# The program at 200 % end to end, sourced by run_e2e.sh (its helpers and counters): a prefix
# whose "LogPixels" is 192 on a display large enough for the doubled window; every page and
# dialog reached by clicks at the doubled points, doing what it does at 100 %; screenshots to
# set beside the ones at 100 %.

twice() { echo $((2 * $1)) $((2 * $2)); }
# shellcheck disable=SC2046  # the two coordinates are two words
click2() { drive click $(twice "$1" "$2") >/dev/null; }
move2() { drive move $(twice "$1" "$2") >/dev/null; }
size_is() {  # width height
  local left top right bottom
  read -r left top right bottom <<<"$(drive rect)"
  [ "$((right - left)) $((bottom - top))" = "$1 $2" ]
}
dialog_size_is() {  # width height: the dialog over the main window, with its thin border
  local left top right bottom
  read -r left top right bottom <<<"$(drive dialog-rect)"
  [ "$((right - left)) $((bottom - top))" = "$1 $2" ]
}
to_page2() {  # 1 for the advanced page, 0 for the basic one
  for _ in 1 2 3; do
    click2 $((30 + 50 * $1)) 70
    wait_control 151 "$1" && return 0
  done
  return 1
}
open_dialog2() {  # box entry
  click2 300 $((208 + 23 * ($1 - 1)))
  wait_control $((40 + $1)) >/dev/null
  drive pick $((40 + $1)) "$2" >/dev/null
}

scale_started=$(date +%s)
normal_display=$DISPLAY
normal_xvfb=$VX_XVFB_PID
normal_prefix=$WINEPREFIX
if vx_start_xvfb 2400x1600x24; then
  export DISPLAY=$VX_DISPLAY
  export WINEPREFIX=$work/prefix-200
  vx_make_wine_prefix "$WINEPREFIX" '[HKEY_CURRENT_USER\Control Panel\Desktop]' \
    '"LogPixels"=dword:000000c0'

  start_app scaled "$(APP_DIR=$work/scaled; virtual_mouse_arg)" --show
  check "at 200 % the window is shown" traced "shown"
  drive wait-window 20 >/dev/null
  check "at 200 % the window is 1780 x 1320" size_is 1780 1320
  move2 100 300
  screenshot basic-page-200.png

  # The basic page: box 4 "Backward" from its list, the report rate 250.
  click2 300 277
  check "at 200 % a function box opens its list" wait_control 44
  screenshot basic-function-list-200.png
  drive pick 44 4 >/dev/null
  check "at 200 % a choice closes the list" wait_control 44 0
  click2 620 209

  # A dialog at its owner's scale: the single key F5.
  open_dialog2 7 11
  check "at 200 % \"Single Key\" opens its dialog" wait_control 502
  check "at 200 % the dialog is 800 x 600 inside its border" dialog_size_is 802 602
  drive press 0x74 >/dev/null
  screenshot dialog-single-key-200.png
  click2 200 262
  check "at 200 % OK ends the dialog" wait_control 502 0

  # The advanced page and a macro recorded there would need the keyboard hook; its list and
  # its pointer section answer scaled clicks.
  check "at 200 % the arrow shows the advanced page" to_page2 1
  move2 300 560
  screenshot advanced-page-200.png
  click2 90 594
  check "at 200 % Default puts Windows' usual pointer values" test "$(drive pointer)" = "10 3 500 0"
  check "at 200 % the arrow shows the basic page again" to_page2 0

  # The skins dialog, opened and cancelled.
  click2 710 14
  check "at 200 % the skins button opens the skins dialog" wait_control 561
  click2 145 135
  wait_control 562 >/dev/null
  screenshot dialog-skins-200.png
  click2 320 262
  check "at 200 % Cancel ends the skins dialog" wait_control 561 0

  click2 700 630
  check "at 200 % Apply runs the full apply" traced "applied"
  check "at 200 % the report rate reaches the mouse" mouse_state_has "rate 04"
  check "at 200 % str.ini names the single key" str_ini_has "Item7=Single Key-F5"
  check "at 200 % str.ini names box 4's choice" str_ini_has "Item4=Backward"
  drive command 1028 >/dev/null
  check "at 200 % Exit ends the process with code 0" exited_with 0 15

  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  kill "$VX_XVFB_PID" 2>/dev/null
else
  check "a display for 200 %" false
fi
export DISPLAY=$normal_display WINEPREFIX=$normal_prefix
VX_XVFB_PID=$normal_xvfb
echo "e2e: the checks at 200 % took $(($(date +%s) - scale_started)) s"
