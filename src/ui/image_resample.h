#pragma once

#include "ui/image_port.h"

namespace vx {

// The image at another size. Each target pixel is a tent-weighted mean of the source pixels
// around its centre, the tent one source pixel wide when enlarging and one target pixel wide when
// shrinking, so every source pixel counts and edges stay smooth. Works on premultiplied pixels
// (straight ones would bleed the colour of transparent areas into the edges); a size that does
// not change gives the image back as it is.
DecodedImage Resampled(const DecodedImage& image, int width, int height);

}  // namespace vx
