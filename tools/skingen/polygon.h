#pragma once

#include <vector>

#include "tools/skingen/shape.h"

namespace vx::skingen {

// A filled polygon (even-odd), closed from the last point back to the first.
Shape Polygon(const std::vector<Vec2>& points);

// Builds outlines from straight lines and cubic curves, flattened into points.
class Path {
 public:
  explicit Path(Vec2 start) : points_{start} {}
  Path& CurveTo(Vec2 control1, Vec2 control2, Vec2 end);
  const std::vector<Vec2>& points() const { return points_; }

 private:
  std::vector<Vec2> points_;
};

// An ellipse as four cubic curves, clockwise from its top.
std::vector<Vec2> EllipsePoints(Vec2 centre, float radius_x, float radius_y);

// The path mirrored about the vertical line x = axis, walked backwards, appended: a symmetric
// outline from its left half.
std::vector<Vec2> MirroredOutline(const std::vector<Vec2>& left_half, float axis);

}  // namespace vx::skingen
