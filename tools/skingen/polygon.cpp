#include "tools/skingen/polygon.h"

#include <limits>

namespace vx::skingen {
namespace {

constexpr int kCurveSteps = 8;

Box PointsBounds(const std::vector<Vec2>& points) {
  Box box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (Vec2 p : points) box = Union(box, {p.x, p.y, p.x, p.y});
  return box;
}

struct Edge {
  Vec2 start;
  Vec2 along;
  float inverse_length_squared;
};

std::vector<Edge> Edges(const std::vector<Vec2>& points) {
  std::vector<Edge> edges;
  for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
    const Vec2 along = points[j] - points[i];
    // Repeated points, as a mirrored outline's axis gives, make no edge.
    if (Dot(along, along) > 0) edges.push_back({points[i], along, 1 / Dot(along, along)});
  }
  return edges;
}

// Distance to the edges, negative where a ray to the right crosses them an odd number of times.
float PolygonDistance(const std::vector<Edge>& edges, Vec2 p) {
  float nearest = std::numeric_limits<float>::max();
  bool inside = false;
  for (const Edge& e : edges) {
    const Vec2 offset = p - e.start;
    const Vec2 gap = offset - e.along * Clamp01(Dot(offset, e.along) * e.inverse_length_squared);
    nearest = std::min(nearest, Dot(gap, gap));
    const bool above = p.y >= e.start.y;
    const bool below = p.y < e.start.y + e.along.y;
    const bool left = e.along.x * offset.y > e.along.y * offset.x;
    if (above == below && above == left) inside = !inside;
  }
  return inside ? -std::sqrt(nearest) : std::sqrt(nearest);
}

}  // namespace

Shape Polygon(const std::vector<Vec2>& points) {
  const Box bounds = PointsBounds(points);
  return {[edges = Edges(points)](Vec2 p) { return PolygonDistance(edges, p); }, bounds};
}

Path& Path::CurveTo(Vec2 c1, Vec2 c2, Vec2 end) {
  const Vec2 start = points_.back();
  for (int i = 1; i <= kCurveSteps; ++i) {
    const float t = static_cast<float>(i) / kCurveSteps;
    const float u = 1 - t;
    points_.push_back(start * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) +
                      end * (t * t * t));
  }
  return *this;
}

std::vector<Vec2> EllipsePoints(Vec2 c, float rx, float ry) {
  constexpr float k = 0.5523f;  // control distance of a quarter circle
  Path path({c.x, c.y - ry});
  path.CurveTo({c.x + rx * k, c.y - ry}, {c.x + rx, c.y - ry * k}, {c.x + rx, c.y})
      .CurveTo({c.x + rx, c.y + ry * k}, {c.x + rx * k, c.y + ry}, {c.x, c.y + ry})
      .CurveTo({c.x - rx * k, c.y + ry}, {c.x - rx, c.y + ry * k}, {c.x - rx, c.y})
      .CurveTo({c.x - rx, c.y - ry * k}, {c.x - rx * k, c.y - ry}, {c.x, c.y - ry});
  return path.points();
}

std::vector<Vec2> MirroredOutline(const std::vector<Vec2>& left_half, float axis) {
  std::vector<Vec2> outline = left_half;
  for (auto it = left_half.rbegin(); it != left_half.rend(); ++it) {
    outline.push_back({2 * axis - it->x, it->y});
  }
  return outline;
}

}  // namespace vx::skingen
