#pragma once

namespace vx::skingen {

// Straight (not premultiplied) colour, every channel 0..1.
struct Rgba {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 1;
};

Rgba Rgb8(int r, int g, int b, float alpha = 1);

inline Rgba Mix(Rgba from, Rgba to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

inline Rgba WithAlpha(Rgba c, float alpha) {
  return {c.r, c.g, c.b, alpha};
}

Rgba Lighter(Rgba c, float amount);
Rgba Darker(Rgba c, float amount);

}  // namespace vx::skingen
