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

stamp_of() { grep -aF "OutputDebugStringA \"$1" "$APP_TRACE" | head -1 | cut -d: -f1; }
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

for part in $VX_E2E_PARTS; do . "$root/$part"; done
echo "$passed passed, $failed failed"
