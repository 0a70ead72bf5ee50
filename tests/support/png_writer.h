#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

namespace vx::test {

// A tiny PNG encoder for fixtures: unfiltered scanlines in stored (uncompressed) zlib blocks, so
// the same files feed libpng and GDI+ without a compressor.
enum PngColourType : uint8_t {
  kPngGrey = 0,
  kPngRgb = 2,
  kPngPalette = 3,
  kPngGreyAlpha = 4,
  kPngRgba = 6,
};

struct PngSpec {
  int width = 0;
  int height = 0;
  PngColourType colour_type = kPngRgba;
  uint8_t bit_depth = 8;
  std::vector<uint8_t> samples;       // rows top-down in file order, without filter bytes
  std::vector<uint8_t> palette;       // PLTE: r, g, b per entry
  std::vector<uint8_t> transparency;  // tRNS, as the colour type defines it
};

namespace png_detail {

inline uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline uint32_t Adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1;
  uint32_t b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

inline void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

inline void PutChunk(std::vector<uint8_t>& out, const char* type,
                     const std::vector<uint8_t>& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// zlib stream of stored deflate blocks, at most 65535 bytes each.
inline std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> out = {0x78, 0x01};
  size_t done = 0;
  do {
    const size_t length = std::min<size_t>(raw.size() - done, 65535);
    const bool last = done + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), raw.begin() + done, raw.begin() + done + length);
    done += length;
  } while (done < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

inline int SamplesPerPixel(PngColourType type) {
  switch (type) {
    case kPngRgb:
      return 3;
    case kPngGreyAlpha:
      return 2;
    case kPngRgba:
      return 4;
    default:
      return 1;
  }
}

}  // namespace png_detail

inline std::vector<uint8_t> EncodePng(const PngSpec& spec) {
  using namespace png_detail;
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBigEndian(header, static_cast<uint32_t>(spec.width));
  PutBigEndian(header, static_cast<uint32_t>(spec.height));
  header.insert(header.end(), {spec.bit_depth, spec.colour_type, 0, 0, 0});
  PutChunk(png, "IHDR", header);
  if (!spec.palette.empty()) PutChunk(png, "PLTE", spec.palette);
  if (!spec.transparency.empty()) PutChunk(png, "tRNS", spec.transparency);
  const size_t row_bytes =
      (static_cast<size_t>(spec.width) * SamplesPerPixel(spec.colour_type) * spec.bit_depth + 7) /
      8;
  std::vector<uint8_t> raw;
  for (int y = 0; y < spec.height; ++y) {
    raw.push_back(0);  // filter type None
    const auto row = spec.samples.begin() + static_cast<ptrdiff_t>(y * row_bytes);
    raw.insert(raw.end(), row, row + static_cast<ptrdiff_t>(row_bytes));
  }
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", {});
  return png;
}

// 8-bit RGBA or RGB pixels, in file order (red first).
inline std::vector<uint8_t> RgbaPng(int width, int height, std::vector<uint8_t> rgba) {
  return EncodePng({width, height, kPngRgba, 8, std::move(rgba), {}, {}});
}
inline std::vector<uint8_t> RgbPng(int width, int height, std::vector<uint8_t> rgb) {
  return EncodePng({width, height, kPngRgb, 8, std::move(rgb), {}, {}});
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vx::test
