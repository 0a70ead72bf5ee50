#pragma once

#include <windows.h>

#include <functional>

#include "ui/window_system.h"

namespace vx {

// A WH_KEYBOARD hook of a thread of this process (the window thread); one at a time. The system
// calls it for keyboard input only, not for posted key messages.
HookInstall InstallThreadKeyboardHook(std::function<void(const HookedKey&)> handler,
                                      DWORD thread_id);

}  // namespace vx
