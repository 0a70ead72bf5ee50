#pragma once

#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// The window before any page is built: brand, title icons and the mouse, nothing to read.
Pixmap MainBackground(const Theme& theme);
// Key assignment, report rate, DPI and lighting.
Pixmap BasicPageBackground(const Theme& theme);
// Pointer settings and macros.
Pixmap AdvancedPageBackground(const Theme& theme);

}  // namespace vx::skingen
