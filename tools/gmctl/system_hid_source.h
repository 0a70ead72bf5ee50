#pragma once

#include <functional>
#include <memory>

#include "device/hid_port.h"

namespace vx::gmctl {

using HidPortFactory = std::function<std::unique_ptr<HidPort>()>;

// The system's HID, or what the factory last given makes instead (tests: a fake kernel).
std::unique_ptr<HidPort> OpenSystemHid();
// An empty factory gives the system's own back.
void UseHidPortFactory(HidPortFactory factory);

}  // namespace vx::gmctl
