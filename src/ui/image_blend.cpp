#include "ui/image_blend.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace vx {

namespace {

// Source-over for premultiplied pixels, on every byte including alpha:
//   dst = src + dst * (255 - a) / 255, the quotient rounded to the nearest integer.
// 255 is odd, so there is never a tie. The sum cannot pass 255: src <= a for a premultiplied
// colour and the rounded term is at most 255 - a.
uint8_t BlendByte(uint8_t src, uint8_t dst, uint8_t alpha) {
  return static_cast<uint8_t>(src + (dst * (255 - alpha) + 127) / 255);
}

void BlendRow(const uint8_t* src, uint8_t* dst, int count) {
  for (int i = 0; i < count; ++i, src += 4, dst += 4) {
    const uint8_t alpha = src[3];
    if (alpha == 255) {
      std::memcpy(dst, src, 4);
    } else if (alpha != 0) {
      for (int c = 0; c < 4; ++c) dst[c] = BlendByte(src[c], dst[c], alpha);
    }
  }
}

void CopyRowOpaque(const uint8_t* src, uint8_t* dst, int count) {
  for (int i = 0; i < count; ++i, src += 4, dst += 4) {
    std::memcpy(dst, src, 3);
    dst[3] = 255;
  }
}

// One axis of the clip: the first visible column (or row) of the image and how many follow.
struct Span {
  int first = 0;
  int count = 0;
};

Span Clip(int at, int length, int limit) {
  // 64 bits: an image far past the edge must not overflow the position arithmetic.
  const int64_t begin = std::max<int64_t>(at, 0);
  const int64_t end = std::min<int64_t>(static_cast<int64_t>(at) + length, limit);
  if (end <= begin) return {};
  return {static_cast<int>(begin - at), static_cast<int>(end - begin)};
}

}  // namespace

void PremultiplyAlpha(DecodedImage& image) {
  if (!image.has_alpha) return;
  for (size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
    const uint8_t alpha = image.pixels[i + 3];
    for (size_t c = 0; c < 3; ++c) {
      image.pixels[i + c] = PremultiplyChannel(image.pixels[i + c], alpha);
    }
  }
}

void DrawImageOnto(Canvas& canvas, const DecodedImage& image, int x, int y) {
  const Span columns = Clip(x, image.width, canvas.width());
  const Span rows = Clip(y, image.height, canvas.height());
  if (columns.count == 0 || rows.count == 0) return;
  const size_t src_stride = static_cast<size_t>(image.width) * 4;
  const size_t dst_stride = static_cast<size_t>(canvas.width()) * 4;
  const int dst_x = x + columns.first;
  const int dst_y = y + rows.first;
  for (int row = 0; row < rows.count; ++row) {
    const uint8_t* src = image.pixels.data() + (rows.first + row) * src_stride +
                         static_cast<size_t>(columns.first) * 4;
    uint8_t* dst = canvas.pixels() + (dst_y + row) * dst_stride + static_cast<size_t>(dst_x) * 4;
    if (image.has_alpha) {
      BlendRow(src, dst, columns.count);
    } else {
      CopyRowOpaque(src, dst, columns.count);
    }
  }
}

}  // namespace vx
