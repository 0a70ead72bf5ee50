#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/canvas.h"

namespace vx::test {

using Bgra = std::array<uint8_t, 4>;

inline Bgra PixelAt(const Canvas& canvas, int x, int y) {
  const uint8_t* p =
      canvas.pixels() + (static_cast<size_t>(y) * static_cast<size_t>(canvas.width()) + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

inline void Fill(Canvas& canvas, Bgra pixel) {
  const size_t count = static_cast<size_t>(canvas.width()) * static_cast<size_t>(canvas.height());
  for (size_t i = 0; i < count; ++i) std::copy(pixel.begin(), pixel.end(), canvas.pixels() + i * 4);
}

inline std::vector<uint8_t> AllPixels(const Canvas& canvas) {
  return {canvas.pixels(),
          canvas.pixels() + static_cast<size_t>(canvas.width()) * canvas.height() * 4};
}

}  // namespace vx::test
