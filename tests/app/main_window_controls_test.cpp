#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/main_controls.h"
#include "device/link_host.h"
#include "layout/advanced_page.h"
#include "layout/basic_page.h"
#include "layout/main_window.h"

namespace vx {
namespace {

using test::AppFixture;
using test::FakeImages;

struct ControlCase {
  const wchar_t* name;
  Rect rect;
  const wchar_t* over_image;
  int32_t page;
};

// Every drawn control of the main window, with the rectangle its hover and clicks use.
const ControlCase kControls[] = {
    {L"OK", main_layout::kOk, L"/button-over.png", kBasicPage},
    {L"Apply", main_layout::kApply, L"/button-over.png", kBasicPage},
    {L"Cancel", main_layout::kCancel, L"/button-over.png", kBasicPage},
    {L"Skins", main_layout::kSkins, L"/button-Skins-over.png", kBasicPage},
    {L"minimise", main_layout::kMinimise, L"/button-min-over.png", kBasicPage},
    {L"close", main_layout::kClose, L"/button-close-over.png", kBasicPage},
    {L"previous page", main_layout::kPreviousPage, L"/button-PrePage-over.png", kBasicPage},
    {L"next page", main_layout::kNextPage, L"/button-NextPage-over.png", kBasicPage},
    {L"key defaults", basic_layout::kKeyDefaults, L"/button-over.png", kBasicPage},
    {L"drop-down 1", basic_layout::FunctionBox(0), L"/DropdownBox-over.png", kBasicPage},
    {L"drop-down 10", basic_layout::FunctionBox(9), L"/DropdownBox-over.png", kBasicPage},
    {L"restore defaults", advanced_layout::kPointerDefaults, L"/button-over.png", kAdvancedPage},
    {L"New", advanced_layout::kNew, L"/button-over.png", kAdvancedPage},
    {L"Delete", advanced_layout::kDelete, L"/button-over.png", kAdvancedPage},
    {L"Confirm", advanced_layout::kConfirm, L"/button-over.png", kAdvancedPage},
};

TEST(MainWindowControls, EachHoversOverItsRectangleAndNotPastItsRightOrBottomEdge) {
  for (const ControlCase& c : kControls) {
    AppFixture f;
    f.AddMouse();
    f.AddConfig(1);
    f.Start();
    f.Tray(kMsgLButtonUp);
    if (c.page == kAdvancedPage) f.windows.Click(*f.dialog, 80, 70);
    const Point centre{(c.rect.left + c.rect.right) / 2, (c.rect.top + c.rect.bottom) / 2};
    f.windows.MoveTo(*f.dialog, centre.x, centre.y);
    EXPECT_EQ(f.windows.hover_requests, 1) << c.name;
    f.windows.Hover(*f.dialog, centre.x, centre.y);
    EXPECT_EQ(f.PresentedPixel(centre.x, centre.y), FakeImages::ColourOf(c.over_image)) << c.name;
    // The right and bottom edges belong to whatever lies there, never to the control itself.
    const auto controls = f.dialog->HoverControls();
    for (const Point edge : {Point{c.rect.right, centre.y}, Point{centre.x, c.rect.bottom}}) {
      const SkinControl* hit = HitTest(controls, edge);
      EXPECT_TRUE(hit == nullptr || hit->rect != c.rect) << c.name;
    }
    const SkinControl* corner = HitTest(controls, {c.rect.left, c.rect.top});
    ASSERT_NE(corner, nullptr) << c.name;
  }
}

TEST(MainWindowControls, TheHoverTableMatchesTheHitTestOrder) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  f.Start();
  f.Tray(kMsgLButtonUp);
  const auto controls = f.dialog->HoverControls();
  ASSERT_EQ(controls.size(), 8u + 1u + 10u);
  EXPECT_EQ(controls[8].rect, basic_layout::kKeyDefaults);
  for (size_t n = 1; n <= 10; ++n) {
    EXPECT_EQ(controls[8 + n].rect, basic_layout::FunctionBox(n - 1));
  }
  EXPECT_EQ(basic_layout::FunctionBox(11), (Rect{252, 452, 463, 473}));
}

struct NotificationCase {
  uint32_t code, value;
  const wchar_t* balloon;  // title|text|time-out, or null for none
};

TEST(MainWindowNotifications, EachCodeAndValueShowsItsBalloonOrNothing) {
  const NotificationCase cases[] = {
      {5, 1, L"Info|Switch report rate into 1000HZ|5000"},
      {5, 2, L"Info|Switch report rate into 500HZ|5000"},
      {5, 4, L"Info|Switch report rate into 250HZ|5000"},
      {5, 8, L"Info|Switch report rate into 125HZ|5000"},
      {5, 3, nullptr},
      {7, 1, L"Info|Switch DPI into the first stage 500|5000"},
      {7, 2, L"Info|Switch DPI into the second stage 1250|5000"},
      {7, 3, L"Info|Switch DPI into the third stage 2000|5000"},
      {7, 4, L"Info|Switch DPI into the fourth stage 3500|5000"},
      {7, 0, nullptr},
      {7, 5, nullptr},
      {8, 1, L"Info|Switch to key matrix 1|5000"},
      {8, 2, L"Info|Switch to key matrix 2|5000"},
      {8, 3, nullptr},
      {8, 4, nullptr},
      {9, 3, L"Info|Switch to macro key3|5000"},
      {9, 12, L"Info|Switch to macro key12|5000"},
      {9, 0, nullptr},
      {14, 0, L"Info|The system detect the gaming mouse.|100"},
      {15, 7, L"Warning|The system did not detect the gaming mouse!|100"},
      {6, 1, nullptr},
  };
  AppFixture f;
  f.AddMouse();
  f.AddConfig(0);  // never saved: the sensor's DPI stages, 1, 4, 7, 10
  f.Start();
  for (const NotificationCase& c : cases) {
    f.windows.balloons.clear();
    const auto answer = f.windows.Send(*f.dialog, kMsgMouseNotify, c.code, c.value);
    EXPECT_EQ(answer.has_value(), IsNotifyCode(c.code)) << "only its own codes are answered";
    if (c.balloon == nullptr) {
      EXPECT_TRUE(f.windows.balloons.empty()) << c.code << "/" << c.value;
      continue;
    }
    ASSERT_EQ(f.windows.balloons.size(), 1u) << c.code << "/" << c.value;
    const auto& b = f.windows.balloons[0];
    EXPECT_EQ(b.title + L"|" + b.text + L"|" + std::to_wstring(b.timeout_ms), c.balloon);
  }
}

// The tray's and the mouse's message values are also the dialog manager's DM_SETDEFID (0x401)
// and DM_REPOSITION (0x402); those go on to the default handling untouched.
TEST(MainWindowNotifications, TheDialogManagersMessagesAreLeftToTheDefaultHandling) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  f.Start();
  f.windows.balloons.clear();
  const uint32_t kDmGetDefId = 0x400;
  EXPECT_FALSE(f.windows.Send(*f.dialog, kDmGetDefId, 0, 0));
  EXPECT_FALSE(f.windows.Send(*f.dialog, kMsgTrayNotify, kIdOk, 0)) << "DM_SETDEFID";
  EXPECT_FALSE(f.windows.Send(*f.dialog, kMsgMouseNotify, 0, 0)) << "DM_REPOSITION";
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(f.windows.balloons.empty());
  EXPECT_TRUE(f.windows.Send(*f.dialog, kMsgTrayNotify, kTrayIconId, kMsgLButtonUp));
  EXPECT_TRUE(f.Visible());
}

}  // namespace
}  // namespace vx
