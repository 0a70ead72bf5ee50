#pragma once

#include <ostream>

#include "device/device_link.h"
#include "sim/wire_trace.h"
#include "tools/gmctl/console_ports.h"

namespace vx::gmctl {

// A device link as gmctl runs it: notifications into the wire trace (or to the host given),
// messages on the error stream, diagnostics dropped.
class ConsoleLink {
 public:
  ConsoleLink(HidPort& hid, PausePort& pause, sim::WireTrace& trace, std::ostream& err,
              LinkHost* host = nullptr)
      : trace_(trace),
        host_(trace),
        messages_(err),
        device_({hid, host ? *host : host_, messages_, diagnostics_, pause}, link_, image_) {}
  ~ConsoleLink() { device_.Shutdown(); }

  // Opens the mouse and runs the handshake; true when it is ready.
  bool Connect() { return device_.Connect(); }
  // The wire trace, then "ready 0" or "ready 1".
  void PrintTrace(std::ostream& out) const;

  DeviceLink& device() { return device_; }
  LinkState& link() { return link_; }
  DeviceImage& image() { return image_; }

 private:
  sim::WireTrace& trace_;
  TraceHost host_;
  ConsoleMessages messages_;
  DiscardDiagnostics diagnostics_;
  LinkState link_;
  DeviceImage image_;
  DeviceLink device_;
};

}  // namespace vx::gmctl
