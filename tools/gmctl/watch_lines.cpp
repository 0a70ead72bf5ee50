#include "tools/gmctl/watch_lines.h"

namespace vx::gmctl {

std::string NotificationLine(uint32_t code, uint32_t value) {
  const std::string number = std::to_string(value);
  switch (code) {
    case kNotifyReportRate:
      // Codes 1, 2, 4 and 8 divide the fastest rate.
      if (value == 1 || value == 2 || value == 4 || value == 8) {
        return "report rate " + std::to_string(1000 / value) + " Hz";
      }
      return "report rate code " + number;
    case kNotifyDpiStage:
      return "DPI stage " + number;
    case kNotifyKeyMatrix:
      if (value == 1 || value == 2) return std::string("key set ") + (value == 1 ? "A" : "B");
      return "key set " + number;
    case kNotifyMacroKey:
      return "macro key " + number;
    default:
      return "notify " + std::to_string(code) + " " + number;
  }
}

void WatchHost::Notify(uint32_t code, uint32_t value) {
  if (code == kNotifyMouseFound || code == kNotifyMouseMissing) return trace_.Notify(code, value);
  std::lock_guard<std::mutex> lock(mutex_);
  out_ << NotificationLine(code, value) << std::endl;
}

}  // namespace vx::gmctl
