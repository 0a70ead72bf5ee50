#!/usr/bin/env bash
# End-to-end tests of "Vantorelliax GM.exe" under Wine on Xvfb: start the ready folder's program
# with the virtual mouse, drive it with real window messages, read its debug trace, the virtual
# mouse's memory and the files it wrote, and keep screenshots.
#   run_e2e.sh READY_DIR DRIVER_EXE SHOT_DIR
set -u
ready=$1
driver=$2
shots=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../tools/wine_prefix.sh
. "$root/tools/wine_prefix.sh"

passed=0
failed=0
mkdir -p "$shots"
work=$(mktemp -d)

check() {  # name, command...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "e2e: FAILED: $name" >&2
    screenshot "failed-$failed.png"
  fi
}

vx_start_xvfb || { echo "e2e: no Xvfb display"; echo "0 passed, 1 failed"; exit 1; }
export DISPLAY=$VX_DISPLAY
export WINEPREFIX=$work/prefix
vx_make_wine_prefix "$WINEPREFIX"

cleanup() {
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  kill "$VX_XVFB_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

drive() { WINEDEBUG=-all wine "$driver" "$@" 2>/dev/null | tr -d '\r'; }

# Starts a copy of the ready folder's program; APP_DIR, APP_PID and APP_TRACE name it.
start_app() {  # folder name, program arguments...
  APP_DIR=$work/$1
  shift
  [ -d "$APP_DIR" ] || cp -r "$ready" "$APP_DIR"
  APP_TRACE=$APP_DIR/trace.log
  (cd "$APP_DIR" && WINEDEBUG=-all,warn+seh,+timestamp exec wine "Vantorelliax GM.exe" "$@" 2>>"$APP_TRACE" >/dev/null) &
  APP_PID=$!
}

virtual_mouse_arg() { echo "--virtual-mouse=$(winepath -w "$APP_DIR/mouse.txt" 2>/dev/null)"; }

# Every wait of the suite: the command is tried until it succeeds, for at most that long.
within() {  # seconds, command...
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

traced_count() { grep -acF "OutputDebugStringA \"$1" "$APP_TRACE" 2>/dev/null; }
traced_more_than() { [ "$(traced_count "$1")" -gt "$2" ]; }
traced() { within "${2:-20}" traced_more_than "$1" 0; }  # text [seconds]
traced_again() { within "${3:-20}" traced_more_than "$1" "$2"; }  # text, count before [seconds]

visible_is() { [ "$(drive visible)" = "$1" ]; }
control_is() { [ "$(drive exists "$1")" = "$2" ]; }
# A control of the main window or of the dialog over it comes (or, with 0, goes).
wait_control() { within 5 control_is "$1" "${2:-1}"; }  # id [0]

# The page arrows, until the page is there: the advanced page is the one with the macro list. A
# click that comes while the window is still busy with an apply can be lost.
to_page() {  # 1 for the advanced page, 0 for the basic one
  local x=$((30 + 50 * $1))
  for _ in 1 2 3; do
    drive click "$x" 70 >/dev/null
    wait_control 151 "$1" && return 0
  done
  return 1
}
to_advanced_page() { to_page 1; }
to_basic_page() { to_page 0; }

# The window's part of the screen; what the program draws reaches the display a moment after the
# step that drew it, so a picture is kept once two looks in a row agree.
look() {  # crop, file
  import -display "$DISPLAY" -window root "$work/screen.png" 2>/dev/null &&
    convert "$work/screen.png" -crop "$1" +repage "$2" 2>/dev/null
}
look_agrees() {  # crop, file: a look that agrees with the one before, which it replaces
  look "$1" "$2" || return 1
  local differ
  differ=$(compare -metric AE "$work/look.png" "$2" null: 2>&1)
  cp "$2" "$work/look.png"
  [ "$differ" = 0 ]
}
screenshot() {  # file name
  local left top right bottom crop
  read -r left top right bottom <<<"$(drive rect)"
  crop="$((right - left))x$((bottom - top))+$left+$top"
  look "$crop" "$work/look.png" && within 5 look_agrees "$crop" "$shots/$1"
}

has_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
exited_with() {  # code seconds
  within "$2" has_ended || return 1
  wait "$APP_PID"
  [ $? -eq "$1" ]
}

mouse_state_has() { grep -qx "$1" "$APP_DIR/mouse.txt"; }
config_first_byte_is() { [ "$(head -c 1 "$APP_DIR/config.bin" | od -An -tu1 | tr -d ' ')" = "$1" ]; }
config_size_is() { [ "$(stat -c %s "$APP_DIR/config.bin")" = "$1" ]; }
str_ini_has() { iconv -f UTF-16 -t UTF-8 "$APP_DIR/str.ini" | tr -d '\r' | grep -qxF "$1"; }

# Start-up with the mouse: hidden in the tray, the "detected" balloon, the first-time set-up.
launched=$(date +%s%N)
start_app main "$(APP_DIR=$work/main; virtual_mouse_arg)"
check "start-up traces the tray icon" traced "tray icon added"
tray_ms=$((($(date +%s%N) - launched) / 1000000))
stamp_of() { grep -aF "OutputDebugStringA \"$1" "$APP_TRACE" | head -1 | cut -d: -f1; }
in_process_ms=$(awk -v a="$(stamp_of "process start")" -v b="$(stamp_of "tray icon added")" \
  'BEGIN { if (a != "" && b != "") printf "%d", (b - a) * 1000 }')
check "start-up shows the detected balloon" traced "balloon Info: The system detect the gaming mouse."
check "start-up completes" traced "initialised"
drive wait-window 20 >/dev/null
check "the window starts hidden" visible_is 0
check "the first start writes the default key texts" str_ini_has "Item9=Combo Key-left Win+D"

# A tray click shows the window with the basic page; the arrows switch pages.
drive tray 0x202 >/dev/null
check "a tray click shows the window" visible_is 1
screenshot basic-page.png
drive move 600 630 >/dev/null
drive hover 600 630 >/dev/null
screenshot basic-page-ok-hovered.png
check "the arrow shows the advanced page" to_advanced_page
screenshot advanced-page.png
check "the arrow shows the basic page again" to_basic_page

# Apply programs the virtual mouse and rewrites config.bin and str.ini.
check "config.bin starts unsaved" config_first_byte_is 0
drive click 700 630 >/dev/null
check "Apply runs the full apply" traced "applied"
check "Apply leaves the DPI stages in the mouse" mouse_state_has "dpi 04 02 05 08 27 80 80 80 80"
check "Apply leaves the report rate in the mouse" mouse_state_has "rate 01"
check "Apply saves config.bin" config_first_byte_is 1
check "config.bin keeps its size" config_size_is 1986
check "Apply writes all 24 key texts" str_ini_has "Item123=Key Off"
check "Apply keeps the window open" visible_is 1

# Cancel restores and hides; Enter hides; the window comes back from the tray.
drive click 800 630 >/dev/null
check "Cancel hides the window" visible_is 0
drive tray 0x202 >/dev/null
check "the window comes back from the tray" visible_is 1
main_trace=$APP_TRACE
drive key 0x0D >/dev/null
check "Enter hides the window" visible_is 0
drive tray 0x202 >/dev/null
drive close >/dev/null
check "closing only hides the window" visible_is 0

# A second instance ends at once with code 0 and leaves the first one running.
first_pid=$APP_PID
start_app main "$(virtual_mouse_arg)"
check "a second instance exits 0 at once" exited_with 0 15
APP_PID=$first_pid
check "the first instance still runs" kill -0 "$APP_PID"

# "Exit" from the tray menu ends the process with code 0.
drive command 1028 >/dev/null
check "Exit ends the process with code 0" exited_with 0 15
peak=$(grep -aoE 'peak working set [0-9]+ KB' "$APP_TRACE" | tail -1)

# Without the mouse: the "did not detect" balloon, and tray clicks never show the window.
start_app nomouse
check "without the mouse the start-up warns" traced "balloon Warning: The system did not detect the gaming mouse!"
drive wait-window 20 >/dev/null
drive tray 0x202 >/dev/null
check "a tray click without the mouse warns again" \
  test "$(grep -acF 'balloon Warning: The system did not detect' "$APP_TRACE")" -ge 2
check "a tray click without the mouse does not show the window" visible_is 0
drive command 1028 >/dev/null
check "Exit without the mouse ends with code 0" exited_with 0 15

# A copy of the ready folder whose str.ini names a language.
language_folder() {  # folder language
  local folder=$work/$1
  cp -r "$ready" "$folder"
  iconv -f UTF-16 -t UTF-8 "$ready/str.ini" | tr -d '\r' |
    awk -v lan="$2" '{ print } /^\[Skins\]$/ { print "Lan=" lan }' | sed 's/$/\r/' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$folder/str.ini"
}

# The Chinese texts and fonts: "Lan" set to "CHS" in the ready folder's str.ini.
APP_DIR=$work/chs
language_folder chs CHS
start_app chs "$(virtual_mouse_arg)" --show
check "the Chinese start-up shows its balloon" traced "balloon Info: "
check "--show shows the window" traced "shown"
check "the Chinese key texts go to their own section" str_ini_has "Item1=左键"
screenshot basic-page-chs.png
to_advanced_page >/dev/null
screenshot advanced-page-chs.png
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# shellcheck source=basic_page_checks.sh
. "$root/tests/e2e/basic_page_checks.sh"
# shellcheck source=dialog_checks.sh
. "$root/tests/e2e/dialog_checks.sh"
# shellcheck source=macro_checks.sh
. "$root/tests/e2e/macro_checks.sh"
# shellcheck source=pointer_skin_checks.sh
. "$root/tests/e2e/pointer_skin_checks.sh"
# shellcheck source=journey_checks.sh
. "$root/tests/e2e/journey_checks.sh"
. "$root/tests/e2e/fault_checks.sh"
# shellcheck source=damage_checks.sh
. "$root/tests/e2e/damage_checks.sh"
# shellcheck source=profile_checks.sh
. "$root/tests/e2e/profile_checks.sh"
# shellcheck source=language_checks.sh
. "$root/tests/e2e/language_checks.sh"
# shellcheck source=display_scale_checks.sh
. "$root/tests/e2e/display_scale_checks.sh"

echo "e2e: start-up to the tray icon: ${in_process_ms:-?} ms in the process, about $tray_ms ms from launching wine; ${peak:-peak working set unknown}"
# Every show of the first program: from a "tray click" to its "shown".
show_ms=$(grep -aoE '^[0-9.]+:[0-9a-f]+:warn:seh:OutputDebugStringA "(tray click|shown)' "$main_trace" |
  awk -F: '/tray click/ { click = $1; next }
    click != "" { ms = ($1 - click) * 1000; if (ms > slowest) slowest = ms; n++; click = "" }
    END { if (n) printf "%d ms at the slowest of %d", slowest, n }')
echo "e2e: a tray click to the painted window: ${show_ms:-?} in the process"
echo "e2e: screenshots in $shots"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
