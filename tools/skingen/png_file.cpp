#include "tools/skingen/png_file.h"

#include <png.h>

#include <cstring>

#include "tools/skingen/quantize.h"

namespace vx::skingen {

bool WritePng(const std::string& path, const Pixmap& picture) {
  const std::vector<uint8_t> bytes = ToRgba8(picture);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.pixel_width());
  image.height = static_cast<png_uint_32>(picture.pixel_height());
  image.format = PNG_FORMAT_RGBA;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr);
  png_image_free(&image);
  return ok != 0;
}

}  // namespace vx::skingen
