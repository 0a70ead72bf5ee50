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

// While one lives, new pictures are drawn at that many pixels per unit (1 or 2); their units,
// and so every coordinate the drawing code uses, stay those of the 1x picture.
class DrawingScale {
 public:
  explicit DrawingScale(int scale);
  ~DrawingScale();
  DrawingScale(const DrawingScale&) = delete;
  DrawingScale& operator=(const DrawingScale&) = delete;

 private:
  int previous_;
};

// A picture being drawn: premultiplied floating-point pixels, rows top-down, transparent at start.
class Pixmap {
 public:
  // width x height units, at the drawing scale of the moment.
  Pixmap(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }
  int pixel_width() const { return width_ * scale_; }
  int pixel_height() const { return height_ * scale_; }
  // In pixels.
  const Premul& At(int x, int y) const { return pixels_[Index(x, y)]; }

  // Source-over of a straight colour whose alpha is scaled by the coverage, at a pixel.
  void Blend(int x, int y, Rgba colour, float coverage);
  // Source-over of another picture of the same scale with its top-left corner at the unit point
  // (left, top).
  void Draw(const Pixmap& source, int left, int top);

 private:
  int Index(int x, int y) const { return y * pixel_width() + x; }
  void BlendPremul(int x, int y, Premul source);

  int width_;
  int height_;
  int scale_;
  std::vector<Premul> pixels_;
};

}  // namespace vx::skingen
