#pragma once

#include "tools/skingen/shape.h"

namespace vx::skingen {

Shape Unite(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
Shape Grown(Shape s, float amount);
Shape Moved(Shape s, Vec2 offset);
// The band of the given width just inside the shape's edge: a border that stays in the shape.
Shape InnerBand(Shape s, float width);

}  // namespace vx::skingen
