#include "tools/skingen/shape.h"

#include <limits>
#include <utility>

namespace vx::skingen {
namespace {

float SegmentDistance(Vec2 p, Segment s) {
  const Vec2 along = s.to - s.from;
  const Vec2 offset = p - s.from;
  const float length_squared = Dot(along, along);
  const float t = length_squared > 0 ? Clamp01(Dot(offset, along) / length_squared) : 0;
  return Length(offset - along * t);
}

Box SegmentsBounds(const std::vector<Segment>& segments, float margin) {
  Box box{segments[0].from.x, segments[0].from.y, segments[0].from.x, segments[0].from.y};
  for (const Segment& s : segments) {
    box = Union(box, {std::min(s.from.x, s.to.x), std::min(s.from.y, s.to.y),
                      std::max(s.from.x, s.to.x), std::max(s.from.y, s.to.y)});
  }
  return box.Inset(-margin);
}

}  // namespace

Shape RoundedBox(Box box, float radius) {
  const Vec2 centre = box.Center();
  const Vec2 half{box.Width() / 2 - radius, box.Height() / 2 - radius};
  return {[=](Vec2 p) {
            const float qx = std::abs(p.x - centre.x) - half.x;
            const float qy = std::abs(p.y - centre.y) - half.y;
            const float outside = Length({std::max(qx, 0.0f), std::max(qy, 0.0f)});
            return outside + std::min(std::max(qx, qy), 0.0f) - radius;
          },
          box, box.Inset(std::max(radius, 0.5f))};
}

Shape Circle(Vec2 centre, float radius) {
  const float core = (radius - 0.5f) * 0.7071f;
  return {[=](Vec2 p) { return Length(p - centre) - radius; },
          {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
          {centre.x - core, centre.y - core, centre.x + core, centre.y + core}};
}

Shape Strokes(std::vector<Segment> segments, float width) {
  const Box bounds = SegmentsBounds(segments, width / 2);
  return {[segments = std::move(segments), half = width / 2](Vec2 p) {
            float nearest = std::numeric_limits<float>::max();
            for (const Segment& s : segments) nearest = std::min(nearest, SegmentDistance(p, s));
            return nearest - half;
          },
          bounds};
}

Shape Polyline(const std::vector<Vec2>& points, float width) {
  std::vector<Segment> segments;
  for (size_t i = 1; i < points.size(); ++i) segments.push_back({points[i - 1], points[i]});
  return Strokes(std::move(segments), width);
}

}  // namespace vx::skingen
