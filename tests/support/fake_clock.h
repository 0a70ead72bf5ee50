#pragma once

#include <cstdint>

#include "common/clock_port.h"

namespace vx::test {

// Time that passes only when a test says so.
class FakeClock : public ClockPort {
 public:
  uint64_t NowMs() override { return now_ms; }
  uint64_t now_ms = 0;
};

}  // namespace vx::test
