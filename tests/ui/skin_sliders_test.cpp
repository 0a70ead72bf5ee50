#include "ui/skin_sliders.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/headless/headless_window_system.h"
#include "support/fake_images.h"
#include "ui/skin_image.h"

namespace vx {
namespace {

using test::FakeImages;

class SkinSlidersTest : public ::testing::Test {
 protected:
  uint32_t Pixel(int x, int y) const {
    uint32_t pixel;
    std::memcpy(&pixel, canvas_.pixels() + (static_cast<size_t>(y) * canvas_.width() + x) * 4, 4);
    return pixel & 0x00FFFFFF;
  }
  static uint32_t Colour(const wchar_t* name) { return FakeImages::ColourOf(name); }

  FakeImages images_;
  SkinImageDrawer drawer_{images_, false};
  headless::HeadlessWindowSystem windows_;
  MemoryCanvas canvas_{890, 660};
  SkinPainter painter_{windows_, drawer_, 1, &canvas_, test::kSkinDir, Rgb{}};
};

TEST_F(SkinSlidersTest, HorizontalSliderLightsThePositionsUpToTheValue) {
  const std::pair<int, int> cases[] = {{11, 11}, {1, 1}, {6, 6}};
  for (const auto& [value, lit] : cases) {
    DrawHorizontalSlider(painter_, {52, 200}, value);
    for (int i = 0; i < kSliderPositions; ++i) {
      EXPECT_EQ(Pixel(52 + 24 * i, 200),
                Colour(i < lit ? L"/slider-light.png" : L"/slider-dark.png"))
          << value << " at " << i;
    }
    EXPECT_EQ(Pixel(52 + 24 * 11, 200), 0u) << "eleven segments, never a twelfth";
  }
}

TEST_F(SkinSlidersTest, DpiColumnGrowsUpwardsToTheSensorsMaximum) {
  DrawDpiColumn(painter_, {560, 490}, 3, 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Pixel(560, 490 - 18 * i),
              Colour(i < 3 ? L"/slider-DPI-light.png" : L"/slider-DPI-dark.png"));
  }
  EXPECT_EQ(Pixel(560, 490 - 18 * 8), 0u);
}

TEST_F(SkinSlidersTest, ReportRateLightsTheChosenSegmentAndDarkensTheOldOne) {
  DrawReportRateChange(painter_, {540, 205}, 3, 3);
  DrawReportRateChange(painter_, {540, 205}, 1, 3);
  EXPECT_EQ(Pixel(540 + 72, 205), Colour(L"/slider-RP-light.png"));
  EXPECT_EQ(Pixel(540 + 72 * 3, 205), Colour(L"/slider-RP-dark.png"));
  EXPECT_EQ(Pixel(540, 205), 0u) << "segments not involved are not drawn";
}

TEST_F(SkinSlidersTest, CheckBoxShowsItsState) {
  DrawCheckBox(painter_, {51, 255}, true);
  DrawCheckBox(painter_, {51, 405}, false);
  EXPECT_EQ(Pixel(51, 255), Colour(L"/PaneMakingTick.png"));
  EXPECT_EQ(Pixel(66, 420), Colour(L"/Pane.png"));
}

}  // namespace
}  // namespace vx
