#include <chrono>
#include <thread>

#include "platform/system_pause.h"

namespace vx {

namespace {

// Sleeps most of the pause and spins the last stretch: the device pacing is a few milliseconds,
// where a scheduler's wake-up slack alone would add several percent.
class HostPause : public PausePort {
 public:
  void Pause(uint32_t milliseconds) override {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    constexpr auto kSpin = std::chrono::microseconds(200);
    if (deadline - Clock::now() > kSpin) std::this_thread::sleep_until(deadline - kSpin);
    while (Clock::now() < deadline) std::this_thread::yield();
  }
};

}  // namespace

std::unique_ptr<PausePort> CreateSystemPause() {
  return std::make_unique<HostPause>();
}

}  // namespace vx
