#include "tools/gmctl/console_link.h"

namespace vx::gmctl {

void ConsoleLink::PrintTrace(std::ostream& out) const {
  for (const std::string& line : trace_.Lines()) out << line << "\n";
  out << "ready " << link_.device_ready.load() << "\n";
}

}  // namespace vx::gmctl
