#pragma once

#include <cstdint>

#include "ui/canvas.h"
#include "ui/image_port.h"

namespace vx {

// Premultiplied colour: value * alpha / 255, truncating. Alpha itself stays as it is.
constexpr uint8_t PremultiplyChannel(uint8_t value, uint8_t alpha) {
  return static_cast<uint8_t>(value * alpha / 255);
}

// Premultiplies blue, green and red of every pixel of an image with an alpha channel; an image
// without one is left alone, as it is copied opaquely.
void PremultiplyAlpha(DecodedImage& image);

// Puts the image at its natural size with its top-left corner at (x, y), clipped to the canvas;
// any position is allowed, also one partly or wholly outside. The image must hold width * height
// pixels. One with alpha must be premultiplied and is blended source-over; one without alpha is
// copied opaquely (alpha 255).
void DrawImageOnto(Canvas& canvas, const DecodedImage& image, int x, int y);

}  // namespace vx
