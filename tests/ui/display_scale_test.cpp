#include "ui/display_scale.h"

#include <gtest/gtest.h>

#include "support/geometry_print.h"
#include "ui/text_port.h"

namespace vx {
namespace {

constexpr DisplayScale k100{96};
constexpr DisplayScale k125{120};
constexpr DisplayScale k150{144};
constexpr DisplayScale k200{192};

struct LengthCase {
  DisplayScale scale;
  int layout;
  int device;
};

// By hand: layout * dpi / 96, halves rounded up.
TEST(DisplayScale, LengthsRoundToTheNearestPixelHalvesUp) {
  const LengthCase cases[] = {
      {k100, 890, 890},  {k125, 1, 1},      {k125, 2, 3},     {k125, 3, 4},   {k125, 14, 18},
      {k125, 13, 16},    {k125, 890, 1113}, {k125, 660, 825}, {k150, 1, 2},   {k150, 3, 5},
      {k150, 13, 20},    {k150, 18, 27},    {k150, 105, 158}, {k150, 21, 32}, {k200, 890, 1780},
      {k200, 660, 1320}, {k125, -1, -1},    {k125, -2, -2},   {k150, -1, -1}, {k125, 0, 0},
  };
  for (const LengthCase& c : cases) {
    EXPECT_EQ(ToDevice(c.layout, c.scale), c.device) << c.scale.dpi << " dpi, " << c.layout;
  }
}

// Layout pixel x covers the device pixels from ToDevice(x) up to ToDevice(x + 1).
TEST(DisplayScale, ADevicePixelBelongsToTheLayoutPixelThatCoversIt) {
  const LengthCase cases[] = {
      {k125, 0, 0},     {k125, 1, 1},   {k125, 1, 2},   {k125, 2, 3},   {k125, 3, 4}, {k125, 4, 5},
      {k125, 5, 6},     {k150, 0, 1},   {k150, 1, 2},   {k150, 2, 3},   {k150, 2, 4}, {k200, 1, 3},
      {k200, 445, 890}, {k200, -1, -1}, {k200, -1, -2}, {k125, -1, -1},
  };
  for (const LengthCase& c : cases) {
    EXPECT_EQ(ToLayout(c.device, c.scale), c.layout) << c.scale.dpi << " dpi, " << c.device;
  }
}

TEST(DisplayScale, EveryLayoutEdgeComesBackFromItsDevicePixel) {
  for (const DisplayScale scale : {k100, k125, k150, DisplayScale{168}, k200, DisplayScale{240}}) {
    for (int layout = -50; layout <= 1000; ++layout) {
      ASSERT_EQ(ToLayout(ToDevice(layout, scale), scale), layout) << scale.dpi << " dpi";
    }
  }
}

TEST(DisplayScale, RectanglesScaleEdgeByEdgeSoNeighboursStillTouch) {
  // At 125 % a 1-pixel box at 1 is 1 device pixel wide, the one after it 2 wide: no gap.
  EXPECT_EQ(ToDevice(Rect{1, 1, 2, 2}, k125), (Rect{1, 1, 3, 3}));
  EXPECT_EQ(ToDevice(Rect{2, 0, 3, 1}, k125), (Rect{3, 0, 4, 1}));
  EXPECT_EQ(ToDevice(Rect{10, 20, 115, 41}, k150), (Rect{15, 30, 173, 62}));
  EXPECT_EQ(ToDevice(Rect{10, 20, 115, 41}, k200), (Rect{20, 40, 230, 82}));
  EXPECT_EQ(ToLayout(Rect{15, 30, 173, 62}, k150), (Rect{10, 20, 115, 41}));
  EXPECT_EQ(ToDevice(Point{7, 9}, k125), (Point{9, 11}));
  EXPECT_EQ(ToLayout(Point{9, 12}, k125), (Point{7, 9}));
}

TEST(DisplayScale, FontsScaleTheirCellHeightOnly) {
  const FontSpec arial{L"Arial", 14, 400};
  EXPECT_EQ(ToDevice(arial, k125), (FontSpec{L"Arial", 18, 400}));
  EXPECT_EQ(ToDevice(arial, k150), (FontSpec{L"Arial", 21, 400}));
  EXPECT_EQ(ToDevice(FontSpec{L"Tahoma", 18, 700}, k125), (FontSpec{L"Tahoma", 23, 700}));
  EXPECT_EQ(ToDevice(FontSpec{L"黑体", 13, 400}, k150), (FontSpec{L"黑体", 20, 400}));
  EXPECT_EQ(ToDevice(arial, k200), (FontSpec{L"Arial", 28, 400}));
}

TEST(DisplayScale, TwiceSizeImagesAreDrawnAboveOneHundredPercent) {
  EXPECT_EQ(ImageFactor(k100), 1);
  EXPECT_EQ(ImageFactor(DisplayScale{72}), 1);
  EXPECT_EQ(ImageFactor(DisplayScale{97}), 2);
  EXPECT_EQ(ImageFactor(k125), 2);
  EXPECT_EQ(ImageFactor(k200), 2);
  EXPECT_EQ(ImageFactor(DisplayScale{288}), 2);
}

}  // namespace
}  // namespace vx
