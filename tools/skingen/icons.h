#pragma once

#include "tools/skingen/shape.h"

namespace vx::skingen {

enum class Direction { kLeft, kRight, kDown };

Shape MinimiseGlyph(Vec2 centre);
Shape CloseGlyph(Vec2 centre);
// A painter's palette: a disc with a thumb notch and three paint holes.
Shape SkinsGlyph(Vec2 centre);
// Two profile cards, one behind the other; the front one carries two lines of text.
Shape ProfilesGlyph(Vec2 centre);
Shape Chevron(Vec2 centre, float size, Direction direction, float stroke);
Shape TickGlyph(Box box, float stroke);
Shape PlusGlyph(Vec2 centre, float size, float stroke);

}  // namespace vx::skingen
