# Sourced by the scripts that run Wine: fresh prefixes, one whose fonts stand in for the faces the
# program asks for, one whose windows need no display; and an Xvfb display.

# A fresh prefix with the registry lines given (a .reg file's body) and the ones every prefix
# needs.
vx_boot_wine_prefix() {  # directory, registry lines...
  local prefix=$1
  shift
  mkdir -p "$prefix"
  WINEPREFIX=$prefix WINEDEBUG=-all wineboot -i >/dev/null 2>&1
  local reg="$prefix/setup.reg"
  # Xvfb runs no window manager: a managed window waits 2 s for one at every hide.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' "$@" |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  WINEPREFIX=$prefix WINEDEBUG=-all wine regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg")" \
    >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w
}

vx_make_wine_prefix() {  # directory, more registry lines...
  local prefix=$1
  shift
  # The Chinese faces and Arial are not part of Wine; map them to fonts Debian has.
  vx_boot_wine_prefix "$prefix" '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"黑体"="WenQuanYi Micro Hei"' '"宋体"="WenQuanYi Micro Hei"' \
    '"SimHei"="WenQuanYi Micro Hei"' '"SimSun"="WenQuanYi Micro Hei"' \
    '"Arial"="Liberation Sans"' '' "$@"
}

vx_start_xvfb() {  # [screen size]: sets VX_DISPLAY and VX_XVFB_PID; the caller kills the server
  local number screen=${1:-1280x800x24}
  for number in $(seq 90 140); do
    if [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; then continue; fi
    Xvfb ":$number" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
    VX_XVFB_PID=$!
    # The server is there once its socket is; one that lost the number to another ends instead.
    for _ in $(seq 50); do
      if [ -e "/tmp/.X11-unix/X$number" ]; then
        VX_DISPLAY=":$number"
        return 0
      fi
      kill -0 "$VX_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$VX_XVFB_PID" 2>/dev/null
  done
  return 1
}

vx_make_displayless_wine_prefix() {  # directory: a fresh prefix whose windows need no display
  # Wine's null graphics driver: real windows and messages, drawn nowhere.
  vx_boot_wine_prefix "$1" '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Graphics"="null"'
}
