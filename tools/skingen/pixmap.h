#pragma once

#include <vector>

#include "tools/skingen/color.h"

namespace vx::skingen {

// Premultiplied colour of one pixel.
struct Premul {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 0;
};

// A picture being drawn: premultiplied floating-point pixels, rows top-down, transparent at start.
class Pixmap {
 public:
  Pixmap(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const Premul& At(int x, int y) const { return pixels_[Index(x, y)]; }

  // Source-over of a straight colour whose alpha is scaled by the coverage.
  void Blend(int x, int y, Rgba colour, float coverage);
  // Source-over of another picture with its top-left corner at (left, top).
  void Draw(const Pixmap& source, int left, int top);

 private:
  int Index(int x, int y) const { return y * width_ + x; }
  void BlendPremul(int x, int y, Premul source);

  int width_;
  int height_;
  std::vector<Premul> pixels_;
};

}  // namespace vx::skingen
