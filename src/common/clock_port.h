#pragma once

#include <cstdint>

namespace vx {

// Monotonic time in milliseconds from an arbitrary origin; never goes back.
class ClockPort {
 public:
  virtual ~ClockPort() = default;
  virtual uint64_t NowMs() = 0;
};

}  // namespace vx
