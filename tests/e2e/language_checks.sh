# The language, sourced by run_e2e.sh (its helpers and counters): without "Lan" in str.ini the
# display language of Windows decides, which Wine takes from LC_ALL; the tray's Language submenu
# switches the shown window at once and str.ini keeps the choice.

start_in_locale() {  # folder locale
  APP_DIR=$work/$1
  { export LC_ALL=$2; } 2>/dev/null  # bash itself has no such locale, Wine needs none
  start_app "$1" "$(virtual_mouse_arg)" --show
  unset LC_ALL
}

start_in_locale zh_cn zh_CN.UTF-8
check "a Simplified Chinese Windows starts the download in Simplified Chinese" \
  within 20 str_ini_has "Lan=CHS"
check "the Simplified Chinese window is shown" traced "shown"
check "its first key texts are Simplified Chinese" within 5 str_ini_has "Item1=左键"
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

start_in_locale zh_tw zh_TW.UTF-8
check "a Traditional Chinese Windows starts the download in Traditional Chinese" \
  within 20 str_ini_has "Lan=CHT"
check "the Traditional Chinese window is shown" traced "shown"
check "its first key texts are Traditional Chinese" within 5 str_ini_has "Item1=左鍵"
screenshot basic-page-cht.png

# English, then Simplified Chinese, from the tray while the window is shown.
drive command 1032 >/dev/null
check "the tray's English switches at once" traced "language EN" 5
check "str.ini keeps English" str_ini_has "Lan=EN"
check "English takes the buttons' names in its own words" str_ini_has "Item1=Left Click"
check "the window stays shown through the switch" visible_is 1
screenshot basic-page-switched-en.png
drive command 1033 >/dev/null
check "the tray's Simplified Chinese switches at once" traced "language CHS" 5
check "str.ini keeps Simplified Chinese" str_ini_has "Lan=CHS"
screenshot basic-page-switched-chs.png
drive command 1028 >/dev/null
check "the program that switched languages exits 0" exited_with 0 15
