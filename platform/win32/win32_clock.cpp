#include <windows.h>

#include "platform/system_clock.h"

namespace vx {

namespace {

class TickClock : public ClockPort {
 public:
  uint64_t NowMs() override { return GetTickCount64(); }
};

}  // namespace

std::unique_ptr<ClockPort> CreateSystemClock() {
  return std::make_unique<TickClock>();
}

}  // namespace vx
