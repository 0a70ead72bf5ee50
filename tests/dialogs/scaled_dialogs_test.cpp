#include <gtest/gtest.h>

#include <cstring>

#include "dialog_fixture.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/media_dialog.h"
#include "layout/dialogs.h"
#include "support/geometry_print.h"

namespace vx {
namespace {

using namespace dialog_layout;
using test::DialogFixture;
using test::FakeImages;

// A key-function dialog opened by a system of the scale (dots per inch) given; the clicks come at
// the device points of the layout points they name.
class ScaledDialog : public ::testing::TestWithParam<int> {
 protected:
  ScaledDialog() { f_.windows.system_scale = scale(); }

  DisplayScale scale() const { return {GetParam()}; }
  int D(int layout) const { return ToDevice(layout, scale()); }
  void Click(Dialog& d, int x, int y) { f_.windows.Click(d, D(x), D(y)); }

  DialogFixture f_;
};

TEST_P(ScaledDialog, ScaledClicksOpenTheListPickAnEntryAndConfirm) {
  CMediaDialog dialog(f_.Context());
  const auto script = [&](CMediaDialog& d) {
    f_.windows.Send(d, kMsgEraseBackground);
    const MemoryCanvas* canvas = f_.windows.Presented(d.window());
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->width(), D(kWidth));
    EXPECT_EQ(canvas->height(), D(kHeight));
    EXPECT_EQ(f_.windows.Get(f_.Control(d, media_key::kNameFieldId)).spec.rect,
              ToDevice(kWideNameField, scale()));
    Click(d, 145, 135);
    const WindowHandle list = f_.Control(d, media_key::kListId);
    ASSERT_NE(list, kNoWindow);
    const headless::HeadlessWindow& shown = f_.windows.Get(list);
    EXPECT_EQ(shown.spec.rect, ToDevice(media_key::kList, scale()));
    EXPECT_EQ(shown.font->height, D(14));
    const Rect item = f_.windows.ListItemRect(list, 6);
    f_.windows.Click(d, shown.spec.rect.left + 1 + D(item.left + 5),
                     shown.spec.rect.top + 1 + D((item.top + item.bottom) / 2));
    EXPECT_EQ(f_.Control(d, media_key::kListId), kNoWindow);
    EXPECT_EQ(f_.TextOf(d, media_key::kNameFieldId), L"Vol-");
    Click(d, 200, 260);
  };
  ASSERT_EQ(f_.Run<CMediaDialog>(dialog, script), kIdOk);
  EXPECT_EQ(dialog.index(), 6);
}

TEST_P(ScaledDialog, TheCloseZoneAtItsScaledPointCancels) {
  CMediaDialog dialog(f_.Context());
  const Point close{(kClose.left + kClose.right) / 2, (kClose.top + kClose.bottom) / 2};
  EXPECT_EQ(f_.Run<CMediaDialog>(dialog, [&](CMediaDialog& d) { Click(d, close.x, close.y); }),
            kIdCancel);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledDialog, ::testing::Values(96, 120, 192),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

TEST(ScaledDialogs, AnOwnedDialogOpensAtItsOwnersScale) {
  DialogFixture f;
  Dialog owner(f.windows, DialogTemplate{});
  f.windows.system_scale = {192};
  f.windows.Open(owner);
  f.windows.system_scale = {96};
  CMediaDialog owned(f.Context());
  f.windows.Open(owned, owner.window());
  EXPECT_EQ(f.windows.Scale(owned.window()), DisplayScale{192});
  f.windows.Send(owned, kMsgEraseBackground);
  EXPECT_EQ(f.windows.Presented(owned.window())->width(), 800);
}

// The edit boxes stay; the system's DPI change message moves them and their font to the new
// scale, and the dialog draws its canvas again at it.
TEST(ScaledDialogs, AMoveToAScreenOfAnotherScaleRescalesTheBoxesAndTheCanvas) {
  DialogFixture f;
  CFireKeyDialog dialog(f.Context());
  const auto script = [&](CFireKeyDialog& d) {
    const Rect speed = f.windows.Get(f.Control(d, fire_key::kSpeedBoxId)).spec.rect;
    f.windows.MoveToScreenOfScale(d, {192});
    const headless::HeadlessWindow& box = f.windows.Get(f.Control(d, fire_key::kSpeedBoxId));
    EXPECT_EQ(box.spec.rect, ToDevice(speed, {192}));
    EXPECT_EQ(box.font->height, 28);
    EXPECT_EQ(f.windows.Get(d.window()).width, 800);
    EXPECT_EQ(f.windows.Presented(d.window())->height(), 600);
    uint32_t pixel = 0;
    std::memcpy(&pixel, f.windows.Presented(d.window())->pixels() + (300 * 800 + 700) * 4, 4);
    EXPECT_EQ(pixel & 0xFFFFFF, FakeImages::ColourOf(L"/fire-key@2x.png"));
    f.windows.Click(d, 400, 520);
  };
  EXPECT_EQ(f.Run<CFireKeyDialog>(dialog, script), kIdOk);
  EXPECT_EQ(dialog.speed(), 32);
}

}  // namespace
}  // namespace vx
