#include <memory>

#include "platform/system_pause.h"
#include "sim/virtual_hid_bus.h"
#include "tools/gmctl/commands.h"
#include "tools/gmctl/console_link.h"
#include "tools/gmctl/system_hid_source.h"

namespace vx::gmctl {

namespace {

struct HandshakeOptions {
  bool virtual_mouse = false;
  sim::ProbeMode mode = sim::ProbeMode::kScrambled;
  sim::InterfaceOrder order = sim::InterfaceOrder::kEventFirst;
};

bool ParseOptions(Args args, HandshakeOptions& options, std::ostream& err) {
  for (const std::string& arg : args) {
    if (arg == "--virtual") {
      options.virtual_mouse = true;
    } else if (arg == "--plain-mouse") {
      options.mode = sim::ProbeMode::kPlainOnly;
    } else if (arg == "--silent-mouse") {
      options.mode = sim::ProbeMode::kSilent;
    } else if (arg == "--event-first") {
      options.order = sim::InterfaceOrder::kEventFirst;
    } else if (arg == "--vendor-first") {
      options.order = sim::InterfaceOrder::kVendorFirst;
    } else {
      UsageError(err, "handshake: unknown option '" + arg + "'");
      return false;
    }
  }
  return true;
}

void RunLink(HidPort& hid, PausePort& pause, sim::WireTrace& trace, std::ostream& out,
             std::ostream& err) {
  ConsoleLink link(hid, pause, trace, err);
  link.Connect();
  link.PrintTrace(out);
}

}  // namespace

int RunHandshake(Args args, std::ostream& out, std::ostream& err) {
  HandshakeOptions options;
  if (!ParseOptions(args, options, err)) return kExitUsage;
  sim::WireTrace trace;
  if (!options.virtual_mouse) {
    std::unique_ptr<HidPort> hid = OpenSystemHid();
    if (!hid) return UsageError(err, "this platform has no system HID; use --virtual");
    std::unique_ptr<PausePort> pause = CreateSystemPause();
    RunLink(*hid, *pause, trace, out, err);
    return kExitOk;
  }
  sim::VirtualHidBus bus(trace);
  bus.AddMouse(options.mode, sim::DefaultMouseMemory(), options.order);
  sim::TracedPause pause(trace);
  RunLink(bus, pause, trace, out, err);
  return kExitOk;
}

}  // namespace vx::gmctl
