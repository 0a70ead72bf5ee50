#include "tools/skingen/paint.h"

#include <cmath>
#include <utility>

namespace vx::skingen {
namespace {

Rgba ColourAt(const std::vector<Stop>& stops, float t) {
  if (t <= stops.front().at) return stops.front().colour;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      const float span = stops[i].at - stops[i - 1].at;
      const float local = span > 0 ? (t - stops[i - 1].at) / span : 1;
      return Mix(stops[i - 1].colour, stops[i].colour, local);
    }
  }
  return stops.back().colour;
}

}  // namespace

Paint Solid(Rgba colour) {
  return [colour](Vec2) { return colour; };
}

Paint Over(Paint below, Paint above) {
  return [below = std::move(below), above = std::move(above)](Vec2 p) {
    const Rgba b = below(p);
    const Rgba a = above(p);
    const float alpha = a.a + b.a * (1 - a.a);
    if (alpha <= 0) return Rgba{0, 0, 0, 0};
    const auto channel = [&](float top, float bottom) {
      return (top * a.a + bottom * b.a * (1 - a.a)) / alpha;
    };
    return Rgba{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), alpha};
  };
}

Paint LinearGradient(Vec2 from, Vec2 to, std::vector<Stop> stops) {
  const Vec2 along = to - from;
  const float length_squared = Dot(along, along);
  return [=, stops = std::move(stops)](Vec2 p) {
    return ColourAt(stops, Dot(p - from, along) / length_squared);
  };
}

Paint VerticalGradient(float top, float bottom, Rgba top_colour, Rgba bottom_colour) {
  return LinearGradient({0, top}, {0, bottom}, {{0, top_colour}, {1, bottom_colour}});
}

Paint Hatch(float period, Rgba ink) {
  return [=](Vec2 p) {
    const float phase = std::fmod(p.x + p.y, period);
    const float across = std::min(phase, period - phase) * 0.7071f;
    return WithAlpha(ink, ink.a * Clamp01(1 - across));
  };
}

Paint RadialGradient(Vec2 centre, float radius, std::vector<Stop> stops) {
  return [=, stops = std::move(stops)](Vec2 p) {
    return ColourAt(stops, Length(p - centre) / radius);
  };
}

}  // namespace vx::skingen
