start_app measure "$(APP_DIR=$work/measure; virtual_mouse_arg)"
traced "initialised" >/dev/null
drive command 1028 >/dev/null; exited_with 0 15 >/dev/null
sed -e 's/^Name = Default$/Name = Shooter\nProgram = notepad.exe/' -e 's/^ReportRateCode = .*/ReportRateCode = 8/' "$APP_DIR/Profiles/Default.vxprofile" >"$APP_DIR/Profiles/Shooter.vxprofile"
n=$(traced_count initialised)
start_app measure "$(virtual_mouse_arg)"
traced_again initialised $n >/dev/null
sleep 1
pid=$(pgrep -f "Vantorelliax GM.exe" | head -1)
echo "pids: $(pgrep -f 'Vantorelliax GM.exe' | tr '\n' ' ')"
echo "start rss: $(grep VmRSS /proc/$pid/status)"
for i in 1 2 3; do
  c=$(traced_count "shown")
  drive tray 0x202 >/dev/null
  traced_again "shown" $c >/dev/null
  sleep 1
  echo "shown rss: $(grep VmRSS /proc/$pid/status)"
  drive key 0x0D >/dev/null
  within 5 visible_is 0
  sleep 2
  echo "hidden rss: $(grep VmRSS /proc/$pid/status)"
done
grep -a "tray click\|\"shown" "$APP_TRACE" | tail -6
ws=$(pgrep -x wineserver | head -1)
t0=$(awk '{print $14+$15}' /proc/$pid/stat); w0=$(awk '{print $14+$15}' /proc/$ws/stat)
sleep 60
t1=$(awk '{print $14+$15}' /proc/$pid/stat); w1=$(awk '{print $14+$15}' /proc/$ws/stat)
echo "idle minute: program $((t1-t0)) ticks, wineserver $((w1-w0)) ticks (of $(getconf CLK_TCK)/s)"
drive command 1028 >/dev/null; exited_with 0 15
grep -a "peak working set" "$APP_TRACE"
