#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "settings/profile_files.h"
#include "support/canvas_pixels.h"
#include "support/png_writer.h"
#include "support/system_images.h"
#include "ui/skin_image.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::Bgra;

constexpr Bgra kWhite = {255, 255, 255, 255};

Bgra Grey(uint8_t value) {
  return {value, value, value, 255};
}

std::vector<uint8_t> GreyRows(const std::vector<uint8_t>& row, int rows) {
  std::vector<uint8_t> rgb;
  for (int y = 0; y < rows; ++y) {
    for (uint8_t value : row) rgb.insert(rgb.end(), {value, value, value});
  }
  return rgb;
}

struct ScaledCase {
  const char* what;
  const wchar_t* file;  // in a folder with "one.png" only, and with "two.png" and "two@2x.png"
  int dpi;
  int x;
  // The first row of device pixels from column 0, then how many rows the image covers.
  std::vector<Bgra> row;
  int rows;
};

// "one.png" is 2 x 1, grey 0 and 200. "two.png" is the same; "two@2x.png" is 4 x 2, each row grey
// 0, 100, 200, 250. The resampled values are those of the tent weights worked out by hand in
// the resampling test.
const ScaledCase kCases[] = {
    {"100 %: the 1x file as it is", L"two.png", 96, 1, {kWhite, Grey(0), Grey(200), kWhite}, 1},
    {"200 %: the 2x file as it is, at the doubled point",
     L"two.png",
     192,
     1,
     {kWhite, kWhite, Grey(0), Grey(100), Grey(200), Grey(250), kWhite},
     2},
    {"200 % without a 2x file: the 1x file enlarged smoothly",
     L"one.png",
     192,
     1,
     {kWhite, kWhite, Grey(0), Grey(50), Grey(150), Grey(200), kWhite},
     2},
    {"150 %: the 2x file shrunk to 3 x 2",
     L"two.png",
     144,
     0,
     {Grey(30), Grey(150), Grey(235), kWhite},
     2},
    {"125 % at 1: device columns 1 to 3, one row",
     L"two.png",
     120,
     1,
     {kWhite, Grey(30), Grey(150), Grey(235), kWhite},
     1},
};

class ScaledSkinImage : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteFileBytes(dir_.File(L"one.png"), test::RgbPng(2, 1, GreyRows({0, 200}, 1)));
    test::WriteFileBytes(dir_.File(L"two.png"), test::RgbPng(2, 1, GreyRows({0, 200}, 1)));
    test::WriteFileBytes(dir_.File(L"two@2x.png"),
                         test::RgbPng(4, 2, GreyRows({0, 100, 200, 250}, 2)));
  }

  test::TempDir dir_;
  test::SystemImages images_;
  SkinImageDrawer plain_{images_.port(), false};
  SkinImageDrawer cached_{images_.port(), true};
};

TEST_F(ScaledSkinImage, DrawsTheImageNearestTheScaleAtItsDeviceRectangle) {
  for (const ScaledCase& c : kCases) {
    for (SkinImageDrawer* drawer : {&plain_, &cached_}) {
      MemoryCanvas canvas(8, 3, DisplayScale{c.dpi});
      test::Fill(canvas, kWhite);
      ASSERT_TRUE(drawer->DrawSkinImage(&canvas, dir_.File(c.file), c.x, 0)) << c.what;
      for (int y = 0; y < 3; ++y) {
        for (size_t x = 0; x < c.row.size(); ++x) {
          const Bgra expected = y < c.rows ? c.row[x] : kWhite;
          EXPECT_EQ(test::PixelAt(canvas, static_cast<int>(x), y), expected)
              << c.what << " at " << x << ", " << y;
        }
      }
    }
  }
}

TEST_F(ScaledSkinImage, ABackgroundKeepsItsLayoutSizeAtEveryScale) {
  for (const int dpi : {96, 120, 144, 192}) {
    const auto image = DecodeAtScale(images_.port(), dir_.File(L"two.png"), {dpi});
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->layout_width, 2) << dpi;
    EXPECT_EQ(image->layout_height, 1) << dpi;
    EXPECT_EQ(image->image.width, ToDevice(2, {dpi})) << dpi;
    EXPECT_EQ(image->image.height, ToDevice(1, {dpi})) << dpi;
  }
  EXPECT_FALSE(DecodeAtScale(images_.port(), dir_.File(L"none.png"), {192}));
}

TEST(TwiceSizePath, PutsTheMarkBeforeTheExtension) {
  EXPECT_EQ(TwiceSizePath(L"C:/Skins/Dusk/main.png"), L"C:/Skins/Dusk/main@2x.png");
  EXPECT_EQ(TwiceSizePath(L"/button-over.png"), L"/button-over@2x.png");
  EXPECT_EQ(TwiceSizePath(L"/odd"), L"/odd@2x");
}

}  // namespace
}  // namespace vx
