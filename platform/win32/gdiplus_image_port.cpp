#include <windows.h>

// GDI+'s headers need windows.h and then objidl.h before them.
#include <objidl.h>

#include <gdiplus.h>

#include <cstring>
#include <vector>

#include "platform/system_drawing.h"

namespace vx {

namespace {

// An indexed image has alpha when its palette carries transparency (a PNG with tRNS), as libpng
// reports it on the host.
bool HasAlpha(Gdiplus::Bitmap& bitmap) {
  const Gdiplus::PixelFormat format = bitmap.GetPixelFormat();
  if (Gdiplus::IsAlphaPixelFormat(format)) return true;
  if (!Gdiplus::IsIndexedPixelFormat(format)) return false;
  const INT size = bitmap.GetPaletteSize();
  if (size <= 0) return false;
  std::vector<uint8_t> storage(static_cast<size_t>(size));
  auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(storage.data());
  if (bitmap.GetPalette(palette, size) != Gdiplus::Ok) return false;
  return (palette->Flags & Gdiplus::PaletteFlagsHasAlpha) != 0;
}

std::optional<DecodedImage> CopyPixels(Gdiplus::Bitmap& bitmap) {
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  if (width <= 0 || height <= 0) return std::nullopt;
  Gdiplus::Rect area(0, 0, width, height);
  Gdiplus::BitmapData data;
  // 32bppARGB lies in memory as B, G, R, A with straight alpha.
  if (bitmap.LockBits(&area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
      Gdiplus::Ok) {
    return std::nullopt;
  }
  DecodedImage image;
  image.width = width;
  image.height = height;
  image.has_alpha = HasAlpha(bitmap);
  const size_t stride = static_cast<size_t>(width) * 4;
  image.pixels.resize(stride * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    std::memcpy(image.pixels.data() + y * stride,
                static_cast<const uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                stride);
  }
  bitmap.UnlockBits(&data);
  return image;
}

class GdiplusImagePort : public ImagePort {
 public:
  std::optional<DecodedImage> Decode(const std::wstring& path) override {
    // A Bitmap made from a file keeps the file locked until it is destroyed, so the pixels are
    // copied out and the Bitmap ends with this call.
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
    return CopyPixels(bitmap);
  }

  std::optional<FileStamp> Stamp(const std::wstring& path) override {
    // Opened for reading, as decoding must: GetFileAttributesExW also answers for a file that is
    // locked or denied to us, and a cache would then draw what decoding refuses.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    if (!known) return std::nullopt;
    return FileStamp{(static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
                     (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                         info.ftLastWriteTime.dwLowDateTime};
  }
};

}  // namespace

std::unique_ptr<ImagePort> CreateSystemImagePort() {
  return std::make_unique<GdiplusImagePort>();
}

}  // namespace vx
