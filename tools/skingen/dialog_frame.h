#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// A dialog's flat body, its title bar with the brand, and the recess of OK and Cancel.
Pixmap DialogBase(int height, const Theme& theme);

}  // namespace vx::skingen
