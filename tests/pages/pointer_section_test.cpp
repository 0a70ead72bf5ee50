#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "pages/pointer_settings.h"

namespace vx {
namespace {

using test::FakeImages;

class PointerSectionTest : public ::testing::Test {
 protected:
  void Open() {
    f_.AddMouse();
    f_.AddConfig(1);
    f_.Start();
    f_.Tray(kMsgLButtonUp);
    Click(80, 70);
  }
  void Click(int x, int y) { f_.windows.Click(*f_.dialog, x, y); }
  uint32_t Segment(int slider, int position) {
    return f_.PresentedPixel(52 + 24 * (position - 1) + 5, 200 + 150 * slider + 5);
  }
  SettingsRecord& Record() { return f_.dialog->settings().current.record; }
  test::AppFixture f_;
};

TEST_F(PointerSectionTest, TheFirstBuildReadsWindowsAndTheSlidersShowIt) {
  f_.pointer.lines = 40;
  f_.pointer.double_click = 5000;
  Open();
  const uint32_t light = FakeImages::ColourOf(L"/slider-light.png");
  const uint32_t dark = FakeImages::ColourOf(L"/slider-dark.png");
  EXPECT_EQ(Segment(0, 6), light);
  EXPECT_EQ(Segment(0, 7), dark);
  EXPECT_EQ(Segment(1, 11), light) << "forty lines light all eleven segments";
  EXPECT_EQ(Record().wheel_scroll_lines, 40) << "and are kept as read";
  EXPECT_EQ(Record().double_click_step, 1);
  EXPECT_EQ(Segment(2, 2), dark);
  EXPECT_EQ(f_.PresentedPixel(55, 260), FakeImages::ColourOf(L"/PaneMakingTick.png"));
  // Later builds draw from the record.
  f_.pointer.speed = 20;
  Click(30, 70);
  Click(80, 70);
  EXPECT_EQ(Record().mouse_speed_step, 6);
}

TEST_F(PointerSectionTest, ClicksSetSlidersAndTickBoxesAndApplySendsThem) {
  Open();
  Click(52 + 24 * 10 + 3, 205);  // speed position 11
  Click(52 + 3, 355);             // one wheel line
  Click(52 + 24 * 2 + 3, 505);    // double-click position 3
  Click(58, 262);                 // precision off
  Click(58, 412);                 // one screen on
  EXPECT_EQ(Segment(0, 11), FakeImages::ColourOf(L"/slider-light.png"));
  EXPECT_EQ(f_.PresentedPixel(55, 410), FakeImages::ColourOf(L"/PaneMakingTick.png"));
  f_.pointer.calls.clear();
  Click(700, 630);
  EXPECT_EQ(f_.pointer.calls, (std::vector<std::wstring>{L"mouse 0,0,0/2", L"speed 20/2",
                                                        L"lines 4294967295/2",
                                                        L"double-click 760/3"}));
  EXPECT_EQ(f_.files.files[test::kConfigPath][1 + 0x7A5], 11) << "saved with the settings";
}

TEST_F(PointerSectionTest, DefaultRestoresWindowsAtOnce) {
  Open();
  Click(58, 412);
  f_.pointer.calls.clear();
  Click(90, 594);
  EXPECT_EQ(f_.pointer.calls.size(), 4u);
  EXPECT_EQ(Record().scroll_one_screen, 0);
  EXPECT_EQ(f_.PresentedPixel(55, 410), FakeImages::ColourOf(L"/Pane.png"));
  EXPECT_EQ(Segment(2, 6), FakeImages::ColourOf(L"/slider-light.png"));
}

// "Default" sets Windows at once; Cancel puts back in Windows what was last applied, so the page,
// config.bin and Windows agree again.
TEST_F(PointerSectionTest, CancelAfterDefaultPutsTheAppliedSettingsBackInWindows) {
  Open();
  Click(52 + 24 * 7 + 3, 205);  // speed position 8
  Click(52 + 24 * 4 + 3, 355);  // five wheel lines
  Click(52 + 24 * 2 + 3, 505);  // double-click position 3
  Click(700, 630);              // Apply
  Click(90, 594);               // Default
  f_.pointer.calls.clear();
  Click(800, 630);  // Cancel
  EXPECT_EQ(f_.pointer.calls, (std::vector<std::wstring>{L"mouse 6,10,1/2", L"speed 14/2",
                                                         L"lines 5/2", L"double-click 760/3"}));
  EXPECT_EQ(Record().mouse_speed_step, 8);
  f_.pointer.calls.clear();
  f_.Tray(kMsgLButtonUp);
  Click(800, 630);
  EXPECT_TRUE(f_.pointer.calls.empty()) << "Windows already holds what Cancel gives back";
}

// Before any apply, Cancel goes back to what Windows held when the page first read it, not to
// config.bin's values, which Windows never had.
TEST_F(PointerSectionTest, CancelBeforeAnyApplyKeepsWhatWindowsHolds) {
  f_.pointer.speed = 4;
  Open();
  Click(52 + 24 * 9 + 3, 205);  // speed position 10
  f_.pointer.calls.clear();
  Click(800, 630);
  EXPECT_EQ(Record().mouse_speed_step, StepFromMouseSpeed(4));
  EXPECT_TRUE(f_.pointer.calls.empty());
}

}  // namespace
}  // namespace vx
