#pragma once

#include <functional>
#include <vector>

#include "tools/skingen/geometry2d.h"

namespace vx::skingen {

// A shape as a signed distance in pixels: negative inside, positive outside. Anti-aliasing
// takes the coverage of a pixel from the distance at its centre.
struct Shape {
  std::function<float(Vec2)> distance;
  Box bounds;  // nothing of the shape lies outside
  Box core{};  // pixels centred here are wholly inside, whatever the distance says
};

struct Segment {
  Vec2 from;
  Vec2 to;
};

Shape RoundedBox(Box box, float radius);
Shape Circle(Vec2 centre, float radius);
// Round-capped strokes of the given width; a segment of zero length is a dot.
Shape Strokes(std::vector<Segment> segments, float width);
Shape Polyline(const std::vector<Vec2>& points, float width);

}  // namespace vx::skingen
