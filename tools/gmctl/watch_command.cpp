#include "tools/gmctl/watch_command.h"

#include "platform/system_pause.h"
#include "tools/gmctl/commands.h"
#include "tools/gmctl/console_link.h"
#include "tools/gmctl/interrupt_wait.h"
#include "tools/gmctl/system_hid_source.h"
#include "tools/gmctl/watch_lines.h"

namespace vx::gmctl {

int WatchMouse(HidPort& hid, PausePort& pause, std::ostream& out, std::ostream& err,
               const std::function<void()>& wait_for_stop) {
  sim::WireTrace trace;
  WatchHost host(trace, out);
  ConsoleLink console(hid, pause, trace, err, &host);
  const bool ready = console.Connect();
  console.PrintTrace(out);
  out.flush();
  if (!ready) return kExitBadInput;
  // The reader starts only now, so that no notification comes before the trace.
  console.link().wake = hid.CreateWakeEvent();
  if (!console.link().wake) {
    err << "gmctl: watch: no event to wait on (error " << hid.LastError() << ")\n";
    return kExitBadInput;
  }
  EventReader& reader = console.device().reader();
  reader.Start(true);
  wait_for_stop();
  reader.Stop();
  return kExitOk;
}

int RunWatch(Args args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) return UsageError(err, "watch: unexpected argument '" + args[0] + "'");
  std::unique_ptr<HidPort> hid = OpenSystemHid();
  if (!hid) return UsageError(err, "this platform has no system HID");
  std::unique_ptr<PausePort> pause = CreateSystemPause();
  // Before the reader thread starts, which takes the signal mask over.
  InterruptWait interrupt;
  return WatchMouse(*hid, *pause, out, err, [&] { interrupt.Wait(); });
}

}  // namespace vx::gmctl
