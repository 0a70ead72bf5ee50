#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "layout/basic_page.h"
#include "layout/main_window.h"
#include "support/geometry_print.h"
#include "ui/skin_image.h"

namespace vx {
namespace {

using test::AppFixture;
using test::FakeImages;

constexpr int kAdvancedPageControl = 151;

// The main window shown on the basic page by a system of the scale (dots per inch) given; the
// test's clicks come at the device points of the layout points they name.
class ScaledMainWindow : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    app_.windows.system_scale = scale();
    app_.AddMouse();
    app_.AddConfig(1);
    app_.Start();
    app_.Tray(kMsgLButtonUp);
    ASSERT_TRUE(app_.Visible());
  }

  DisplayScale scale() const { return {GetParam()}; }
  int D(int layout) const { return ToDevice(layout, scale()); }
  Point Centre(Rect layout) const {
    return ToDevice(Point{(layout.left + layout.right) / 2, (layout.top + layout.bottom) / 2},
                    scale());
  }
  void Click(Point device) { app_.windows.Click(*app_.dialog, device.x, device.y); }
  // The colour an image shows at this scale: its 2x file's above 100 %.
  uint32_t ColourAtScale(const std::wstring& name) const {
    return FakeImages::ColourOf(GetParam() > kLayoutDpi ? TwiceSizePath(name) : name);
  }
  WindowHandle Control(int id) { return app_.windows.ControlById(app_.dialog->window(), id); }

  AppFixture app_;
};

TEST_P(ScaledMainWindow, TheWindowAndItsCanvasAreTheLayoutSizeInDevicePixels) {
  const headless::HeadlessWindow& window = app_.windows.Get(app_.dialog->window());
  EXPECT_EQ(window.width, D(main_layout::kWidth));
  EXPECT_EQ(window.height, D(main_layout::kHeight));
  EXPECT_EQ(app_.windows.ClientRect(app_.dialog->window()),
            (Rect{0, 0, main_layout::kWidth, main_layout::kHeight}));
  const MemoryCanvas* canvas = app_.windows.Presented(app_.dialog->window());
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->width(), D(main_layout::kWidth));
  EXPECT_EQ(canvas->height(), D(main_layout::kHeight));
  EXPECT_EQ(app_.PresentedPixel(D(500), D(300)), ColourAtScale(L"/BasicSet2.png"));
}

TEST_P(ScaledMainWindow, TheArrowsAtTheirScaledPointsSwitchThePages) {
  Click(Centre(main_layout::kNextPage));
  EXPECT_NE(Control(kAdvancedPageControl), kNoWindow);
  EXPECT_EQ(app_.PresentedPixel(D(500), D(300)), ColourAtScale(L"/AdvancedSet2.png"));
  Click(Centre(main_layout::kPreviousPage));
  EXPECT_EQ(Control(kAdvancedPageControl), kNoWindow);
}

TEST_P(ScaledMainWindow, AFunctionListOpensAtItsScaledPlaceAndAScaledClickPicksItsEntry) {
  constexpr size_t kBox = 3;
  const int id = basic_layout::kFirstFunctionListId + static_cast<int>(kBox);
  const Rect box = basic_layout::FunctionBox(kBox);
  Click(ToDevice(Point{box.left + 40, box.top + 5}, scale()));
  ASSERT_NE(Control(id), kNoWindow);
  const headless::HeadlessWindow& list = app_.windows.Get(Control(id));
  EXPECT_EQ(list.spec.rect, ToDevice(basic_layout::FunctionList(kBox), scale()));
  ASSERT_TRUE(list.font.has_value());
  EXPECT_EQ(list.font->height, D(14));
  // Entry 4, "Backward", as the list lays it out in layout units, inside its one-pixel border.
  const Rect item = app_.windows.ListItemRect(Control(id), 4);
  EXPECT_EQ(item.Height(), 14);
  Click({list.spec.rect.left + 1 + D(item.left + 5),
         list.spec.rect.top + 1 + D((item.top + item.bottom) / 2)});
  EXPECT_EQ(Control(id), kNoWindow);
  const auto& draws = app_.windows.text.draws;
  const auto drawn = std::find_if(draws.rbegin(), draws.rend(),
                                  [](const auto& draw) { return draw.text == L"Backward"; });
  ASSERT_NE(drawn, draws.rend());
  EXPECT_EQ(drawn->rect.top, D(box.top));
  EXPECT_EQ(drawn->font.height, D(14));
}

TEST_P(ScaledMainWindow, HoverDrawsTheOverImageAtTheScaledPoint) {
  const Point centre = Centre(main_layout::kOk);
  app_.windows.MoveTo(*app_.dialog, centre.x, centre.y);
  app_.windows.Hover(*app_.dialog, centre.x, centre.y);
  EXPECT_EQ(app_.PresentedPixel(centre.x, centre.y), ColourAtScale(L"/button-over.png"));
  // The pixel just past the button's right edge belongs to the Apply button beside it.
  const Point past = ToDevice(Point{main_layout::kOk.right, 630}, scale());
  EXPECT_NE(app_.PresentedPixel(past.x, past.y), ColourAtScale(L"/button-over.png"));
}

TEST_P(ScaledMainWindow, AClickOnAnEmptySpotDragsFromItsDevicePoint) {
  Click(ToDevice(Point{450, 30}, scale()));
  ASSERT_FALSE(app_.windows.drags.empty());
  EXPECT_EQ(app_.windows.drags.back(), ToDevice(Point{450, 30}, scale()));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledMainWindow, ::testing::Values(96, 144, 192),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

// As the system's DPI change message makes it: the window keeps its layout and is drawn anew.
TEST(ScaleChange, TheMainWindowIsDrawnAgainAtTheNewScaleAndAnswersItsPoints) {
  AppFixture app;
  app.AddMouse();
  app.AddConfig(1);
  app.Start();
  app.Tray(kMsgLButtonUp);
  const Rect box = basic_layout::FunctionBox(3);
  app.windows.Click(*app.dialog, box.left + 40, box.top + 5);
  const WindowHandle list =
      app.windows.ControlById(app.dialog->window(), basic_layout::kFirstFunctionListId + 3);
  ASSERT_NE(list, kNoWindow);
  app.windows.MoveToScreenOfScale(*app.dialog, {192});
  EXPECT_EQ(app.windows.Get(app.dialog->window()).width, 1780);
  // The open list stays open, at its doubled place, with its doubled font.
  ASSERT_TRUE(app.windows.Exists(list));
  EXPECT_EQ(app.windows.Get(list).spec.rect, ToDevice(basic_layout::FunctionList(3), {192}));
  EXPECT_EQ(app.windows.Get(list).font->height, 28);
  const MemoryCanvas* canvas = app.windows.Presented(app.dialog->window());
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->width(), 1780);
  EXPECT_EQ(canvas->height(), 1320);
  EXPECT_EQ(app.PresentedPixel(1400, 600), FakeImages::ColourOf(L"/BasicSet2@2x.png"));
  app.windows.Click(*app.dialog, 160, 148);
  EXPECT_NE(app.windows.ControlById(app.dialog->window(), kAdvancedPageControl), kNoWindow);
}

TEST(ScaleChange, AHiddenWindowBuildsItsLookAtTheNewScaleWhenShown) {
  AppFixture app;
  app.AddMouse();
  app.AddConfig(1);
  app.Start();
  app.windows.MoveToScreenOfScale(*app.dialog, {192});
  app.Tray(kMsgLButtonUp);
  const MemoryCanvas* canvas = app.windows.Presented(app.dialog->window());
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->width(), 1780);
}

TEST(ScaleChange, ASkinWithOnlyOneTimesImagesIsEnlarged) {
  AppFixture app;
  app.images.with_twice_size = false;
  app.windows.system_scale = {192};
  app.AddMouse();
  app.AddConfig(1);
  app.Start();
  app.Tray(kMsgLButtonUp);
  EXPECT_EQ(app.PresentedPixel(1000, 600), FakeImages::ColourOf(L"/BasicSet2.png"));
  EXPECT_EQ(app.windows.Presented(app.dialog->window())->width(), 1780);
}

}  // namespace
}  // namespace vx
