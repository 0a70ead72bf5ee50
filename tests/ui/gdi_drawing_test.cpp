#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "platform/system_drawing.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/scoped_gdi.h"
#include "support/canvas_pixels.h"

namespace vx {
namespace {

using test::Bgra;

TEST(DibCanvas, PixelsAreWhatBitBltSees) {
  std::unique_ptr<DibCanvas> source = DibCanvas::Create(3, 2);
  std::unique_ptr<DibCanvas> target = DibCanvas::Create(3, 2);
  ASSERT_TRUE(source && target);
  EXPECT_EQ(test::PixelAt(*source, 2, 1), Bgra({0, 0, 0, 0}));
  // Blue 10, green 20, red 30 at the last pixel of the second row.
  source->pixels()[(1 * 3 + 2) * 4 + 0] = 10;
  source->pixels()[(1 * 3 + 2) * 4 + 1] = 20;
  source->pixels()[(1 * 3 + 2) * 4 + 2] = 30;
  const ScopedDc from(CreateCompatibleDC(nullptr));
  const ScopedDc to(CreateCompatibleDC(nullptr));
  const ScopedSelectObject from_bitmap(from.get(), source->bitmap());
  const ScopedSelectObject to_bitmap(to.get(), target->bitmap());
  ASSERT_TRUE(from_bitmap.ok() && to_bitmap.ok());
  EXPECT_EQ(GetPixel(from.get(), 2, 1), RGB(30, 20, 10));
  EXPECT_EQ(GetPixel(from.get(), 2, 0), RGB(0, 0, 0));
  ASSERT_TRUE(BitBlt(to.get(), 0, 0, 3, 2, from.get(), 0, 0, SRCCOPY));
  GdiFlush();
  const Bgra copied = test::PixelAt(*target, 2, 1);
  EXPECT_EQ(Bgra({copied[0], copied[1], copied[2], 0}), Bgra({10, 20, 30, 0}));
  EXPECT_EQ(test::PixelAt(*target, 2, 0), Bgra({0, 0, 0, 0}));
}

class GdiTextPort : public ::testing::Test {
 protected:
  const FontSpec font_{L"Tahoma", 16, 400};
  std::unique_ptr<TextPort> text_ = CreateGdiTextPort();
};

// Red text, clipped to its rectangle, on an opaque black canvas.
TEST_F(GdiTextPort, DrawsInsideTheRectangleOnly) {
  std::unique_ptr<Canvas> canvas = CreateDibCanvas(60, 30);
  ASSERT_TRUE(canvas);
  test::Fill(*canvas, {0, 0, 0, 255});
  const Rect rect{10, 8, 40, 24};
  text_->DrawString(*canvas, L"WWWWWWWWWWWW", rect, kTextCentred, font_, Rgb{255, 0, 0});
  int inside = 0;
  for (int y = 0; y < canvas->height(); ++y) {
    for (int x = 0; x < canvas->width(); ++x) {
      const Bgra pixel = test::PixelAt(*canvas, x, y);
      if (pixel == Bgra({0, 0, 0, 255})) continue;
      EXPECT_TRUE(rect.Contains({x, y})) << x << ", " << y;
      EXPECT_EQ(pixel[0], 0) << "no blue at " << x << ", " << y;
      EXPECT_EQ(pixel[1], 0) << "no green at " << x << ", " << y;
      if (pixel[2] > 0) ++inside;
    }
  }
  EXPECT_GT(inside, 20);
}

// A rectangle just wider than one word holds one word per line.
TEST_F(GdiTextPort, MeasuresWrappedTextLineByLine) {
  const Rect one = text_->MeasureText(L"Note", {0, 0, 500, 0}, kTextMeasureWrap, font_);
  ASSERT_GT(one.Width(), 0);
  ASSERT_GT(one.Height(), 0);
  const Rect narrow{0, 0, one.Width() + 4, 0};
  const Rect three = text_->MeasureText(L"Note Note Note", narrow, kTextMeasureWrap, font_);
  EXPECT_LE(three.Width(), narrow.Width());
  EXPECT_EQ(three.Height(), 3 * one.Height());
}

}  // namespace
}  // namespace vx
