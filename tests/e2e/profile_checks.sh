# Profiles end to end, sourced by run_e2e.sh (its helpers and counters): the first start keeps the
# setup as Default; a profile naming notepad.exe follows Wine's notepad to the front and gives way
# to Default when notepad is closed.

profile_of() { echo "$APP_DIR/Profiles/$1.vxprofile"; }

start_app profiles "$(APP_DIR=$work/profiles; virtual_mouse_arg)"
check "the profiles start completes" traced "initialised"
check "the first start keeps the setup as Default" test -f "$(profile_of Default)"
check "str.ini names Default active" str_ini_has "Active=Default"
drive command 1028 >/dev/null
exited_with 0 15 >/dev/null

# Shooter: Default at 125 Hz, for notepad.
sed -e 's/^Name = Default$/Name = Shooter\nProgram = notepad.exe/' \
  -e 's/^ReportRateCode = .*/ReportRateCode = 8/' "$(profile_of Default)" >"$(profile_of Shooter)"
started_before=$(traced_count "initialised")
start_app profiles "$(virtual_mouse_arg)"
check "the start with two profiles completes" traced_again "initialised" "$started_before"
WINEDEBUG=-all wine notepad >/dev/null 2>&1 &
notepad_pid=$!
check "notepad in front brings its profile" traced "profile Shooter for the program" 8
check "its balloon names it" traced "balloon Info: Profile: Shooter" 3
check "the mouse gets the profile's report rate" within 3 mouse_state_has "rate 08"
check "config.bin holds the profile's report rate" \
  test "$(od -An -tu1 -j $((1 + 0x785)) -N1 "$APP_DIR/config.bin" | tr -d ' ')" = 8
kill "$notepad_pid" 2>/dev/null
wait "$notepad_pid" 2>/dev/null
check "closing notepad brings the hand choice back" traced "profile Default for the program" 8
check "the mouse gets Default's report rate back" within 3 mouse_state_has "rate 01"
check "str.ini names Default active again" str_ini_has "Active=Default"
drive command 1028 >/dev/null
check "the program with profiles exits 0" exited_with 0 15

# Import and Export through the Profiles dialog and the system's file dialogs: an exported
# profile imported again brings its setup back; a bad file is refused with its line and changes
# nothing.
kept_state() {  # folder: the three files' setup and the mouse's memory
  cp "$APP_DIR/config.bin" "$APP_DIR/mouse.txt" "$1/"
  # Without macros there is no record.ini; one appearing is a change too.
  [ ! -f "$APP_DIR/record.ini" ] || cp "$APP_DIR/record.ini" "$1/"
  iconv -f UTF-16 -t UTF-8 "$APP_DIR/str.ini" | grep -a '^Item' >"$1/key-texts.txt"
}
state_is() {  # folder
  local now=$work/state-now
  rm -rf "$now" && mkdir -p "$now" && kept_state "$now" && diff -r "$1" "$now" >/dev/null
}
open_profiles() { drive command 1029 >/dev/null && wait_control 620; }
close_profiles() { drive click 200 262 >/dev/null && wait_control 620 0; }
profiles_listed() { ls "$APP_DIR/Profiles"; }

start_app profile-files "$(APP_DIR=$work/profile-files; virtual_mouse_arg)" --show
check "the profile files' page is shown" traced "shown"
drive wait-window 20 >/dev/null
# Applied first, so that the mouse and the files hold the profile's setup.
drive click 700 630 >/dev/null
check "the profile files' setup is applied" traced "applied" 10
exported=$work/exported.vxprofile
check "the Profiles dialog opens from the tray" open_profiles
drive click 208 202 >/dev/null
check "Export fills the save dialog" drive file-dialog "$(winepath -w "$exported" 2>/dev/null)"
check "Export writes the active profile" within 5 test -s "$exported"
close_profiles >/dev/null
before=$work/state-before
mkdir -p "$before" && kept_state "$before"

applied_before=$(traced_count "applied")
drive click 620 209 >/dev/null
drive click 700 630 >/dev/null
check "the changed report rate is applied" traced_again "applied" "$applied_before" 10
check "the mouse has the changed report rate" within 3 mouse_state_has "rate 04"
open_profiles >/dev/null
drive click 208 178 >/dev/null
check "Import fills the open dialog" drive file-dialog "$(winepath -w "$exported" 2>/dev/null)"
check "importing over the changed profile asks first" drive answer-box Profiles 6
check "the import is applied" traced_again "applied" "$((applied_before + 1))" 10
check "the import brings the mouse and the three files back" within 5 state_is "$before"
close_profiles >/dev/null

# A report rate the mouse has no code for, under a new name.
bad=$work/bad.vxprofile
sed -e 's/^Name = .*/Name = Broken/' -e 's/^ReportRateCode = .*/ReportRateCode = 99/' \
  "$exported" >"$bad"
bad_line=$(grep -n '^ReportRateCode' "$bad" | cut -d: -f1)
listed=$(profiles_listed)
applied_before=$(traced_count "applied")
open_profiles >/dev/null
drive click 208 178 >/dev/null
check "Import fills the open dialog with the bad file" drive file-dialog "$(winepath -w "$bad" 2>/dev/null)"
refusal=$(drive box-text Profiles)
check "the refusal names the line" grep -q "cannot be imported, so nothing was changed: line $bad_line: " <<<"$refusal"
check "the refusal names the field" grep -q "ReportRateCode" <<<"$refusal"
check "the refusal is answered" drive answer-box Profiles
check "the refused import adds no profile" test "$(profiles_listed)" = "$listed"
check "the refused import sends nothing" test "$(traced_count "applied")" = "$applied_before"
check "the refused import leaves the mouse and the three files" state_is "$before"
screenshot profiles-after-refusal.png
close_profiles >/dev/null
drive command 1028 >/dev/null
check "the program after the imports exits 0" exited_with 0 15
