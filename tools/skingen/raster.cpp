#include "tools/skingen/raster.h"

#include <cmath>

namespace vx::skingen {
namespace {

float ScaleOf(const Pixmap& target) {
  return static_cast<float>(target.scale());
}

// A box in units as the picture's pixels cover it.
Box InPixels(Box box, float scale) {
  return {box.left * scale, box.top * scale, box.right * scale, box.bottom * scale};
}

// Calls draw(x, y, centre) for every pixel (x, y) of the picture that the box (in units)
// touches; the centre is in units.
template <typename Draw>
void ForEachPixel(Pixmap& target, Box box, Draw draw) {
  const float scale = ScaleOf(target);
  const Box pixels = InPixels(box, scale);
  const int left = std::max(0, static_cast<int>(std::floor(pixels.left)));
  const int top = std::max(0, static_cast<int>(std::floor(pixels.top)));
  const int right = std::min(target.pixel_width(), static_cast<int>(std::ceil(pixels.right)));
  const int bottom = std::min(target.pixel_height(), static_cast<int>(std::ceil(pixels.bottom)));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      draw(x, y,
           Vec2{(static_cast<float>(x) + 0.5f) / scale, (static_cast<float>(y) + 0.5f) / scale});
    }
  }
}

float EdgeCoverage(float distance) {
  return Clamp01(0.5f - distance);
}

// A soft, exponential-looking fall-off that reaches zero at t = 1.
float Falloff(float t) {
  const float u = 1 - Clamp01(t);
  return u * u * u;
}

}  // namespace

Pixmap Filled(int width, int height, Rgba colour) {
  Pixmap picture(width, height);
  FillBox(picture, {0, 0, static_cast<float>(width), static_cast<float>(height)}, colour);
  return picture;
}

void FillBox(Pixmap& target, Box box, const Paint& paint) {
  const Box pixels = InPixels(box, ScaleOf(target));
  ForEachPixel(target, box, [&](int x, int y, Vec2 centre) {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float across = Clamp01(std::min(fx + 1, pixels.right) - std::max(fx, pixels.left));
    const float down = Clamp01(std::min(fy + 1, pixels.bottom) - std::max(fy, pixels.top));
    if (across * down > 0) target.Blend(x, y, paint(centre), across * down);
  });
}

void FillBox(Pixmap& target, Box box, Rgba colour) {
  FillBox(target, box, Solid(colour));
}

void FrameBox(Pixmap& target, Box box, float width, Rgba colour) {
  FillBox(target, {box.left, box.top, box.right, box.top + width}, colour);
  FillBox(target, {box.left, box.bottom - width, box.right, box.bottom}, colour);
  FillBox(target, {box.left, box.top + width, box.left + width, box.bottom - width}, colour);
  FillBox(target, {box.right - width, box.top + width, box.right, box.bottom - width}, colour);
}

// Coverage comes from the distance in pixels, so edges stay one pixel soft at every scale.
void Fill(Pixmap& target, const Shape& shape, const Paint& paint) {
  const float scale = ScaleOf(target);
  ForEachPixel(target, shape.bounds.Inset(-1), [&](int x, int y, Vec2 centre) {
    const float coverage =
        shape.core.Contains(centre) ? 1 : EdgeCoverage(shape.distance(centre) * scale);
    if (coverage > 0) target.Blend(x, y, paint(centre), coverage);
  });
}

void Fill(Pixmap& target, const Shape& shape, Rgba colour) {
  Fill(target, shape, Solid(colour));
}

void Glow(Pixmap& target, const Shape& shape, const Paint& paint, float radius) {
  ForEachPixel(target, shape.bounds.Inset(-radius - 1), [&](int x, int y, Vec2 centre) {
    const float distance = shape.core.Contains(centre) ? 0 : shape.distance(centre);
    const float strength = Falloff(std::max(distance, 0.0f) / radius);
    if (strength > 0) target.Blend(x, y, paint(centre), strength);
  });
}

void Glow(Pixmap& target, const Shape& shape, Rgba colour, float radius) {
  Glow(target, shape, Solid(colour), radius);
}

void InnerGlow(Pixmap& target, const Shape& shape, Rgba colour, float radius) {
  const float scale = ScaleOf(target);
  ForEachPixel(target, shape.bounds, [&](int x, int y, Vec2 centre) {
    const float distance = shape.distance(centre);
    const float strength =
        EdgeCoverage(distance * scale) * Falloff(std::max(-distance, 0.0f) / radius);
    if (strength > 0) target.Blend(x, y, colour, strength);
  });
}

}  // namespace vx::skingen
