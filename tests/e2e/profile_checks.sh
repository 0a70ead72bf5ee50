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
