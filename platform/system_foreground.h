#pragma once

#include <memory>

#include "profiles/foreground_port.h"

namespace vx {

// The program that owns the foreground window on Windows; elsewhere never a foreground window.
std::unique_ptr<ForegroundPort> CreateSystemForegroundPort();

}  // namespace vx
