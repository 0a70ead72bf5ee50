#pragma once

#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>

#include "device/link_host.h"
#include "sim/wire_trace.h"

namespace vx::gmctl {

// A notification of the mouse's own buttons as a line: "report rate 500 Hz", "DPI stage 2",
// "key set B", "macro key 3".
std::string NotificationLine(uint32_t code, uint32_t value);

// The mouse's own notifications as lines on the output, as they come (from the reader thread);
// the link's found and missing codes join the wire trace.
class WatchHost : public LinkHost {
 public:
  WatchHost(sim::WireTrace& trace, std::ostream& out) : trace_(trace), out_(out) {}
  void Notify(uint32_t code, uint32_t value) override;
  void HideMainWindow() override {}

 private:
  sim::WireTrace& trace_;
  std::ostream& out_;
  std::mutex mutex_;
};

}  // namespace vx::gmctl
