#include "tools/skingen/spectrum.h"

#include <cmath>

namespace vx::skingen {
namespace {

// An angle measure that rises steadily around the circle, 0..4, without trigonometry.
float DiamondAngle(Vec2 d) {
  const float sum = std::abs(d.x) + std::abs(d.y);
  if (sum == 0) return 0;
  if (d.y >= 0) return d.x >= 0 ? d.y / sum : 1 - d.x / sum;
  return d.x < 0 ? 2 - d.y / sum : 3 + d.x / sum;
}

// Hue 0..1 to a colour; each channel is a piecewise linear ramp.
Rgba Hue(float hue, float saturation, float value) {
  const auto channel = [&](float offset) {
    const float k = std::fmod(offset + hue * 6, 6.0f);
    const float ramp = Clamp01(std::min(k, 4 - k));
    return value * (1 - saturation * ramp);
  };
  return {channel(5), channel(3), channel(1), 1};
}

}  // namespace

Paint SpectrumAround(Vec2 centre, float saturation, float value) {
  return [=](Vec2 p) { return Hue(DiamondAngle(p - centre) / 4, saturation, value); };
}

}  // namespace vx::skingen
