#pragma once

#include <string_view>

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"

namespace vx::skingen {

enum class Align { kCentre, kLeft, kRight, kTopCentre };

// A stand-in for a text that the program draws, in capitals of the given height.
void DrawLabel(Pixmap& target, Box box, std::string_view text, Align align, Rgba colour,
               float cap_height = 7);

}  // namespace vx::skingen
