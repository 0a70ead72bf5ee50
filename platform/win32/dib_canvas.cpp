#include "platform/win32/dib_canvas.h"

#include <cstring>

#include "platform/system_drawing.h"

namespace vx {

std::unique_ptr<DibCanvas> DibCanvas::Create(int width, int height, DisplayScale scale) {
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows top-down, as a Canvas lays them out
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;  // 32-bit rows need no padding: the stride is width * 4
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScopedGdiObject<HBITMAP> bitmap(
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return nullptr;
  // Nothing promises that a new section is zeroed; a canvas starts black and transparent.
  std::memset(bits, 0, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  return std::unique_ptr<DibCanvas>(
      new DibCanvas(std::move(bitmap), static_cast<uint8_t*>(bits), width, height, scale));
}

std::unique_ptr<Canvas> CreateDibCanvas(int width, int height, DisplayScale scale) {
  return DibCanvas::Create(width, height, scale);
}

}  // namespace vx
