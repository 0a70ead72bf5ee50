#include "tools/skingen/pixmap.h"

#include <cstddef>

namespace vx::skingen {

Pixmap::Pixmap(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

void Pixmap::Blend(int x, int y, Rgba colour, float coverage) {
  const float alpha = colour.a * coverage;
  BlendPremul(x, y, {colour.r * alpha, colour.g * alpha, colour.b * alpha, alpha});
}

void Pixmap::Draw(const Pixmap& source, int left, int top) {
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      BlendPremul(left + x, top + y, source.At(x, y));
    }
  }
}

void Pixmap::BlendPremul(int x, int y, Premul source) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || source.a <= 0) return;
  Premul& target = pixels_[Index(x, y)];
  const float keep = 1 - source.a;
  target = {source.r + target.r * keep, source.g + target.g * keep, source.b + target.b * keep,
            source.a + target.a * keep};
}

}  // namespace vx::skingen
