#pragma once

#include <functional>

#include "ui/window_system.h"

namespace vx {

// The calling thread's WH_KEYBOARD hook; one at a time.
HookInstall InstallThreadKeyboardHook(std::function<void(const HookedKey&)> handler);

}  // namespace vx
