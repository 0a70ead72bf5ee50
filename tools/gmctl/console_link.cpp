#include "tools/gmctl/console_link.h"

namespace vx::gmctl {

bool ConsoleLink::Connect() {
  if (device_.OpenDevice()) {
    device_.Handshake();
  } else {
    host_.Notify(kNotifyMouseMissing, 0);
    link_.device_ready.store(0);
  }
  return link_.DeviceReady();
}

void ConsoleLink::PrintTrace(std::ostream& out) const {
  for (const std::string& line : trace_.Lines()) out << line << "\n";
  out << "ready " << link_.device_ready.load() << "\n";
}

}  // namespace vx::gmctl
