#pragma once

#include <algorithm>
#include <cmath>

#include "ui/geometry.h"

namespace vx::skingen {

struct Vec2 {
  float x = 0;
  float y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
  return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
  return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float k) {
  return {a.x * k, a.y * k};
}
inline float Dot(Vec2 a, Vec2 b) {
  return a.x * b.x + a.y * b.y;
}
inline float Length(Vec2 a) {
  return std::sqrt(Dot(a, a));
}
inline float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}

// Pixel edges lie on whole numbers; the pixel (x, y) covers x..x+1, y..y+1.
struct Box {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;

  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  Vec2 Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
  Box Inset(float d) const { return {left + d, top + d, right - d, bottom - d}; }
  Box Inset(float dx, float dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
  Box Moved(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool Contains(Vec2 p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  float Area() const { return std::max(Width(), 0.0f) * std::max(Height(), 0.0f); }
};

inline Box Union(Box a, Box b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

inline Box Intersection(Box a, Box b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// Left, top, right, bottom in whole pixels, as the window's hit rectangles are given.
constexpr Box Rect(int left, int top, int right, int bottom) {
  return {static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
          static_cast<float>(bottom)};
}

constexpr Box FromRect(vx::Rect r) {
  return Rect(r.left, r.top, r.right, r.bottom);
}

}  // namespace vx::skingen
