#include "tools/skingen/color.h"

namespace vx::skingen {

Rgba Rgb8(int r, int g, int b, float alpha) {
  return {static_cast<float>(r) / 255, static_cast<float>(g) / 255, static_cast<float>(b) / 255,
          alpha};
}

Rgba Lighter(Rgba c, float amount) {
  return Mix(c, {1, 1, 1, c.a}, amount);
}

Rgba Darker(Rgba c, float amount) {
  return Mix(c, {0, 0, 0, c.a}, amount);
}

}  // namespace vx::skingen
