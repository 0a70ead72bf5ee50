#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/display_scale.h"

namespace vx {

// A window's whole image: 32-bit premultiplied BGRA pixels, rows top-down, width * 4 bytes each.
// On Windows the pixels are the bits of a DIB section, so GDI can draw text into them. Its size is
// in device pixels; the scale turns the layout units drawn into it into them.
class Canvas {
 public:
  explicit Canvas(DisplayScale scale) : scale_(scale) {}
  virtual ~Canvas() = default;
  DisplayScale scale() const { return scale_; }
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual uint8_t* pixels() = 0;
  virtual const uint8_t* pixels() const = 0;

 private:
  DisplayScale scale_;
};

// A canvas in plain memory, zero-filled.
class MemoryCanvas : public Canvas {
 public:
  MemoryCanvas(int width, int height, DisplayScale scale = {})
      : Canvas(scale),
        width_(width > 0 ? width : 0),
        height_(height > 0 ? height : 0),
        pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4, 0) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  uint8_t* pixels() override { return pixels_.data(); }
  const uint8_t* pixels() const override { return pixels_.data(); }

 private:
  int width_;
  int height_;
  std::vector<uint8_t> pixels_;
};

}  // namespace vx
