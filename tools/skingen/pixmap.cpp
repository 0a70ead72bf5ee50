#include "tools/skingen/pixmap.h"

#include <cstddef>

namespace vx::skingen {

namespace {

int g_drawing_scale = 1;

}  // namespace

DrawingScale::DrawingScale(int scale) : previous_(g_drawing_scale) {
  g_drawing_scale = scale;
}

DrawingScale::~DrawingScale() {
  g_drawing_scale = previous_;
}

Pixmap::Pixmap(int width, int height)
    : width_(width),
      height_(height),
      scale_(g_drawing_scale),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height) * scale_ * scale_) {}

void Pixmap::Blend(int x, int y, Rgba colour, float coverage) {
  const float alpha = colour.a * coverage;
  BlendPremul(x, y, {colour.r * alpha, colour.g * alpha, colour.b * alpha, alpha});
}

void Pixmap::Draw(const Pixmap& source, int left, int top) {
  for (int y = 0; y < source.pixel_height(); ++y) {
    for (int x = 0; x < source.pixel_width(); ++x) {
      BlendPremul(left * scale_ + x, top * scale_ + y, source.At(x, y));
    }
  }
}

void Pixmap::BlendPremul(int x, int y, Premul source) {
  if (x < 0 || y < 0 || x >= pixel_width() || y >= pixel_height() || source.a <= 0) return;
  Premul& target = pixels_[Index(x, y)];
  const float keep = 1 - source.a;
  target = {source.r + target.r * keep, source.g + target.g * keep, source.b + target.b * keep,
            source.a + target.a * keep};
}

}  // namespace vx::skingen
