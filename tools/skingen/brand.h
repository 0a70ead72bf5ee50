#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// The maker's mark: a faceted "V" with a light point above it.
void DrawEmblem(Pixmap& target, Vec2 centre, float size, const Theme& theme);
// The maker's name in wide capitals, its first capital's top-left corner at `origin`.
void DrawWordmark(Pixmap& target, Vec2 origin, float cap_height, const Theme& theme);
float WordmarkWidth(float cap_height);
// Emblem and name side by side, centred vertically on `middle_y`.
void DrawBrand(Pixmap& target, float left, float middle_y, float cap_height, const Theme& theme);

}  // namespace vx::skingen
