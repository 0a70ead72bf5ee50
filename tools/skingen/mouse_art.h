#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// The mouse seen from above, lit from its underside in the accent colour. `size` is its width;
// it is about 1.8 times as long.
void DrawMouse(Pixmap& target, Vec2 centre, float size, const Theme& theme);

}  // namespace vx::skingen
