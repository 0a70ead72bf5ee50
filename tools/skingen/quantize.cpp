#include "tools/skingen/quantize.h"

#include <algorithm>
#include <cmath>

namespace vx::skingen {
namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Below half a step either way, so an exact colour never rounds to a neighbour.
float DitherOffset(int x, int y) {
  return (static_cast<float>(kBayer[y % 4][x % 4]) + 0.5f) / 16 - 0.5f;
}

uint8_t ToByte(float value, float offset) {
  const float scaled = std::floor(std::clamp(value, 0.0f, 1.0f) * 255 + offset + 0.5f);
  return static_cast<uint8_t>(std::clamp(scaled, 0.0f, 255.0f));
}

}  // namespace

std::vector<uint8_t> ToRgba8(const Pixmap& picture) {
  std::vector<uint8_t> bytes(static_cast<size_t>(picture.pixel_width()) * picture.pixel_height() *
                             4);
  uint8_t* out = bytes.data();
  for (int y = 0; y < picture.pixel_height(); ++y) {
    for (int x = 0; x < picture.pixel_width(); ++x) {
      const Premul& p = picture.At(x, y);
      const float unmultiply = p.a > 0 ? 1 / p.a : 0;
      const float offset = DitherOffset(x, y);
      *out++ = ToByte(p.r * unmultiply, offset);
      *out++ = ToByte(p.g * unmultiply, offset);
      *out++ = ToByte(p.b * unmultiply, offset);
      *out++ = ToByte(p.a, 0);
    }
  }
  return bytes;
}

}  // namespace vx::skingen
