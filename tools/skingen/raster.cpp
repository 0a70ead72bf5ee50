#include "tools/skingen/raster.h"

#include <cmath>

namespace vx::skingen {
namespace {

// Calls draw(x, y, centre) for every pixel of the picture that the box touches.
template <typename Draw>
void ForEachPixel(Pixmap& target, Box box, Draw draw) {
  const int left = std::max(0, static_cast<int>(std::floor(box.left)));
  const int top = std::max(0, static_cast<int>(std::floor(box.top)));
  const int right = std::min(target.width(), static_cast<int>(std::ceil(box.right)));
  const int bottom = std::min(target.height(), static_cast<int>(std::ceil(box.bottom)));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      draw(x, y, Vec2{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
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
  ForEachPixel(target, box, [&](int x, int y, Vec2 centre) {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float across = Clamp01(std::min(fx + 1, box.right) - std::max(fx, box.left));
    const float down = Clamp01(std::min(fy + 1, box.bottom) - std::max(fy, box.top));
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

void Fill(Pixmap& target, const Shape& shape, const Paint& paint) {
  ForEachPixel(target, shape.bounds.Inset(-1), [&](int x, int y, Vec2 centre) {
    const float coverage = shape.core.Contains(centre) ? 1 : EdgeCoverage(shape.distance(centre));
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
  ForEachPixel(target, shape.bounds, [&](int x, int y, Vec2 centre) {
    const float distance = shape.distance(centre);
    const float strength = EdgeCoverage(distance) * Falloff(std::max(-distance, 0.0f) / radius);
    if (strength > 0) target.Blend(x, y, colour, strength);
  });
}

}  // namespace vx::skingen
