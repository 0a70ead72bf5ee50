#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx {

// A decoded skin image: 32-bit BGRA rows top-down with straight (not premultiplied) alpha.
struct DecodedImage {
  int width = 0;
  int height = 0;
  bool has_alpha = false;  // false: a file without an alpha channel, copied opaquely
  std::vector<uint8_t> pixels;
};

// What tells two versions of a file apart without reading it.
struct FileStamp {
  uint64_t size = 0;
  uint64_t write_time = 0;
  bool operator==(const FileStamp&) const = default;
};

// PNG decoding (GDI+ on Windows, libpng on the host) and the file facts a cache needs.
class ImagePort {
 public:
  virtual ~ImagePort() = default;
  virtual std::optional<DecodedImage> Decode(const std::wstring& path) = 0;
  // Nullopt when the file is missing or cannot be opened for reading, so that a cache never
  // draws a file that decoding would refuse.
  virtual std::optional<FileStamp> Stamp(const std::wstring& path) = 0;
};

}  // namespace vx
