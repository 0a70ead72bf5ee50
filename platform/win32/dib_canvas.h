#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "platform/win32/scoped_gdi.h"
#include "ui/canvas.h"

namespace vx {

// A canvas whose pixels are the bits of a 32-bit top-down DIB section, so that BitBlt and GDI
// text work on the same pixels as the image drawing. GDI lets a bitmap be selected into one
// context at a time: select it only for the length of one drawing or copy.
class DibCanvas : public Canvas {
 public:
  // Null when the size is empty or GDI refuses.
  static std::unique_ptr<DibCanvas> Create(int width, int height, DisplayScale scale = {});

  int width() const override { return width_; }
  int height() const override { return height_; }
  uint8_t* pixels() override { return bits_; }
  const uint8_t* pixels() const override { return bits_; }
  HBITMAP bitmap() const { return bitmap_.get(); }

 private:
  DibCanvas(ScopedGdiObject<HBITMAP> bitmap, uint8_t* bits, int width, int height,
            DisplayScale scale)
      : Canvas(scale), bitmap_(std::move(bitmap)), bits_(bits), width_(width), height_(height) {}

  ScopedGdiObject<HBITMAP> bitmap_;
  uint8_t* bits_;
  int width_;
  int height_;
};

}  // namespace vx
