#pragma once

#include <memory>

#include "common/pause_port.h"

namespace vx {

// Pauses that really wait, as precisely as the platform allows.
std::unique_ptr<PausePort> CreateSystemPause();

}  // namespace vx
