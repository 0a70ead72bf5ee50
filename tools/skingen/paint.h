#pragma once

#include <functional>
#include <vector>

#include "tools/skingen/color.h"
#include "tools/skingen/geometry2d.h"

namespace vx::skingen {

// The colour of a fill at each point.
using Paint = std::function<Rgba(Vec2)>;

struct Stop {
  float at;  // 0..1 along the gradient, ascending
  Rgba colour;
};

Paint Solid(Rgba colour);
// `above` laid over `below`.
Paint Over(Paint below, Paint above);
Paint LinearGradient(Vec2 from, Vec2 to, std::vector<Stop> stops);
Paint VerticalGradient(float top, float bottom, Rgba top_colour, Rgba bottom_colour);
// Fine diagonal lines of `ink`, `period` pixels apart, on nothing.
Paint Hatch(float period, Rgba ink);
Paint RadialGradient(Vec2 centre, float radius, std::vector<Stop> stops);

}  // namespace vx::skingen
