#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "settings/profile_files.h"
#include "support/png_writer.h"
#include "support/system_images.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct DecodeVector {
  const char* name;
  test::PngSpec png;
  // Nullopt: either, as the pixels are opaque and draw alike.
  std::optional<bool> has_alpha;
  std::vector<uint8_t> bgra;  // both pixels of a 2 x 1 image
};

// A 2 x 1 image of the given kind.
test::PngSpec Png(test::PngColourType type, uint8_t depth, std::vector<uint8_t> samples,
                  std::vector<uint8_t> palette = {}, std::vector<uint8_t> transparency = {}) {
  return {2, 1, type, depth, std::move(samples), std::move(palette), std::move(transparency)};
}

// Every kind of PNG ends as 8-bit BGRA with straight alpha.
const DecodeVector kDecodeVectors[] = {
    {"rgba",
     Png(test::kPngRgba, 8, {200, 100, 50, 128, 1, 2, 3, 255}),
     true,
     {50, 100, 200, 128, 3, 2, 1, 255}},
    {"rgb",
     Png(test::kPngRgb, 8, {200, 100, 50, 1, 2, 3}),
     false,
     {50, 100, 200, 255, 3, 2, 1, 255}},
    // Wine's GDI+ gives grey an alpha channel, libpng does not.
    {"grey",
     Png(test::kPngGrey, 8, {0x40, 0xFF}),
     std::nullopt,
     {64, 64, 64, 255, 255, 255, 255, 255}},
    {"grey and alpha",
     Png(test::kPngGreyAlpha, 8, {0x40, 0x80, 0xFF, 0xFF}),
     true,
     {64, 64, 64, 128, 255, 255, 255, 255}},
    {"palette",
     Png(test::kPngPalette, 8, {1, 0}, {255, 0, 0, 0, 0, 255}),
     false,
     {255, 0, 0, 255, 0, 0, 255, 255}},
    {"palette with transparency",
     Png(test::kPngPalette, 8, {1, 0}, {255, 0, 0, 0, 0, 255}, {0x80}),
     true,
     {255, 0, 0, 255, 0, 0, 255, 128}},
    // Only extreme 16-bit values: every decoder agrees on them, whatever it does with gamma.
    {"16-bit rgba",
     Png(test::kPngRgba, 16,
         {0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF}),
     true,
     {255, 0, 255, 255, 0, 255, 0, 255}},
};

class SystemImagePort : public ::testing::Test {
 protected:
  fs::path Write(const char* name, const std::vector<uint8_t>& bytes) {
    const fs::path path = dir_.File(fs::path(name).wstring());
    test::WriteFileBytes(path, bytes);
    return path;
  }

  test::TempDir dir_;
  test::SystemImages images_;
};

TEST_F(SystemImagePort, DecodesEveryKindToStraightBgra) {
  for (const DecodeVector& v : kDecodeVectors) {
    const fs::path path = Write("image.png", test::EncodePng(v.png));
    const std::optional<DecodedImage> image = images_.port().Decode(path.wstring());
    ASSERT_TRUE(image) << v.name;
    EXPECT_EQ(image->width, 2) << v.name;
    EXPECT_EQ(image->height, 1) << v.name;
    EXPECT_EQ(image->has_alpha, v.has_alpha.value_or(image->has_alpha)) << v.name;
    EXPECT_EQ(image->pixels, v.bgra) << v.name;
  }
}

TEST_F(SystemImagePort, KeepsRowsApart) {
  const std::vector<uint8_t> png = test::RgbPng(1, 3, {10, 0, 0, 20, 0, 0, 30, 0, 0});
  const std::optional<DecodedImage> image = images_.port().Decode(Write("tall.png", png).wstring());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 1);
  EXPECT_EQ(image->height, 3);
  EXPECT_EQ(image->pixels, std::vector<uint8_t>({0, 0, 10, 255, 0, 0, 20, 255, 0, 0, 30, 255}));
}

TEST_F(SystemImagePort, RefusesWhatIsNoImage) {
  const std::vector<uint8_t> png = test::RgbaPng(2, 1, {1, 2, 3, 4, 5, 6, 7, 8});
  const std::vector<uint8_t> truncated(png.begin(), png.begin() + png.size() / 2);
  EXPECT_FALSE(images_.port().Decode(Write("truncated.png", truncated).wstring()));
  EXPECT_FALSE(
      images_.port().Decode(Write("text.png", {'n', 'o', 't', ' ', 'p', 'n', 'g'}).wstring()));
  EXPECT_FALSE(images_.port().Decode(dir_.File(L"missing.png")));
  EXPECT_FALSE(images_.port().Stamp(dir_.File(L"missing.png")));
  fs::create_directory(dir_.File(L"folder.png"));
  EXPECT_FALSE(images_.port().Stamp(dir_.File(L"folder.png")));
}

TEST_F(SystemImagePort, StampFollowsSizeAndWriteTime) {
  const fs::path path = Write("a.png", test::RgbaPng(1, 1, {1, 2, 3, 4}));
  const std::optional<FileStamp> first = images_.port().Stamp(path.wstring());
  ASSERT_TRUE(first);
  EXPECT_EQ(first->size, fs::file_size(path));
  EXPECT_EQ(images_.port().Stamp(path.wstring()), first);
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
  const std::optional<FileStamp> touched = images_.port().Stamp(path.wstring());
  ASSERT_TRUE(touched);
  EXPECT_EQ(touched->size, first->size);
  EXPECT_GT(touched->write_time, first->write_time);
}

}  // namespace
}  // namespace vx
