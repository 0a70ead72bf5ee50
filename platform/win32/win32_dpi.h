#pragma once

#include <windows.h>

#include "ui/display_scale.h"

namespace vx {

// Asks for per-monitor awareness (version 2), and for the system-wide awareness of older systems
// (and of Wine 8) when that is refused, so that the system never stretches the window's bitmap.
void DeclareDpiAwareness();

// The scale the system gives a window now.
DisplayScale SystemScaleOf(HWND window);

}  // namespace vx
