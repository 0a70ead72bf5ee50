#pragma once

#include <memory>

#include "common/clock_port.h"

namespace vx {

// The system's monotonic milliseconds.
std::unique_ptr<ClockPort> CreateSystemClock();

}  // namespace vx
