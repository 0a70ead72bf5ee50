#pragma once

#include <cstdint>

namespace vx {

// Fixed pacing between device commands. Real waits on the target; recorded in tests so that
// pacing can be asserted without waiting.
class PausePort {
 public:
  virtual ~PausePort() = default;
  virtual void Pause(uint32_t milliseconds) = 0;
};

}  // namespace vx
