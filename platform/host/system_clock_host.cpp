#include <chrono>

#include "platform/system_clock.h"

namespace vx {

namespace {

class SteadyClock : public ClockPort {
 public:
  uint64_t NowMs() override {
    const auto since_start = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
  }
};

}  // namespace

std::unique_ptr<ClockPort> CreateSystemClock() {
  return std::make_unique<SteadyClock>();
}

}  // namespace vx
