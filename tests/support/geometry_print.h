#pragma once

#include <ostream>

#include "ui/geometry.h"

// How GoogleTest shows the geometry types in a failure.
namespace vx {

inline void PrintTo(const Point& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

}  // namespace vx
