#include "tools/skingen/shape_ops.h"

#include <utility>

namespace vx::skingen {

Shape Unite(Shape a, Shape b) {
  const Box bounds = Union(a.bounds, b.bounds);
  const Box core = a.core.Area() >= b.core.Area() ? a.core : b.core;
  return {[a = std::move(a.distance), b = std::move(b.distance)](Vec2 p) {
            return std::min(a(p), b(p));
          },
          bounds, core};
}

Shape Intersect(Shape a, Shape b) {
  const Box bounds = Intersection(a.bounds, b.bounds);
  const Box core = Intersection(a.core, b.core);
  return {[a = std::move(a.distance), b = std::move(b.distance)](Vec2 p) {
            return std::max(a(p), b(p));
          },
          bounds, core};
}

Shape Subtract(Shape from, Shape cut) {
  const Box bounds = from.bounds;
  return {[a = std::move(from.distance), b = std::move(cut.distance)](Vec2 p) {
            return std::max(a(p), -b(p));
          },
          bounds};
}

// A distance changes by at most the step taken, so a core grows with the shape; a shrinking
// shape keeps none.
Shape Grown(Shape s, float amount) {
  const Box bounds = s.bounds.Inset(-amount);
  const Box core = amount >= 0 ? s.core.Inset(-amount) : Box{};
  return {[d = std::move(s.distance), amount](Vec2 p) { return d(p) - amount; }, bounds, core};
}

Shape Moved(Shape s, Vec2 offset) {
  const Box bounds = s.bounds.Moved(offset.x, offset.y);
  const Box core = s.core.Moved(offset.x, offset.y);
  return {[d = std::move(s.distance), offset](Vec2 p) { return d(p - offset); }, bounds, core};
}

Shape InnerBand(Shape s, float width) {
  const Box bounds = s.bounds;
  return {[d = std::move(s.distance), width](Vec2 p) {
            const float inside = d(p);
            return std::max(inside, -inside - width);
          },
          bounds};
}

}  // namespace vx::skingen
