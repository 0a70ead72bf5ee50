#pragma once

#include "tools/skingen/paint.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/shape.h"

namespace vx::skingen {

// A picture of the given size, every pixel the colour.
Pixmap Filled(int width, int height, Rgba colour);
// An upright box, with exact coverage of the pixels its edges cut.
void FillBox(Pixmap& target, Box box, const Paint& paint);
void FillBox(Pixmap& target, Box box, Rgba colour);
// The band of the given width just inside an upright box.
void FrameBox(Pixmap& target, Box box, float width, Rgba colour);
void Fill(Pixmap& target, const Shape& shape, const Paint& paint);
void Fill(Pixmap& target, const Shape& shape, Rgba colour);
// Light (or shadow) at full strength inside the shape, fading to nothing `radius` pixels out.
void Glow(Pixmap& target, const Shape& shape, const Paint& paint, float radius);
void Glow(Pixmap& target, const Shape& shape, Rgba colour, float radius);
// Light inside the shape along its edge, fading to nothing `radius` pixels inwards.
void InnerGlow(Pixmap& target, const Shape& shape, Rgba colour, float radius);

}  // namespace vx::skingen
