#pragma once

#include <memory>

#include "device/hid_port.h"

namespace vx {

// The system's HID, or null where the platform has none the program can use.
std::unique_ptr<HidPort> CreateSystemHidPort();

}  // namespace vx
