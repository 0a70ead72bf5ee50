#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "app/app_fixture.h"
#include "app/main_controls.h"
#include "layout/basic_page.h"
#include "layout/main_window.h"
#include "support/canvas_pixels.h"

namespace vx {
namespace {

using test::AppFixture;
using test::FakeImages;

// A shown main window on the basic page, a virtual mouse behind it and a config.bin beside it.
class MainWindowInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f_.AddMouse();
    f_.AddConfig(1);
    f_.Start();
    f_.Tray(kMsgLButtonUp);
    ASSERT_TRUE(f_.Visible());
  }

  void Click(int x, int y) { f_.windows.Click(*f_.dialog, x, y); }
  bool Traced(const std::wstring& line) {
    const auto& trace = f_.windows.trace;
    return std::find(trace.begin(), trace.end(), line) != trace.end();
  }

  AppFixture f_;
};

TEST_F(MainWindowInputTest, OkAppliesSavesAndHides) {
  f_.dialog->settings().current.record.report_rate_code = 8;
  Click(600, 630);
  EXPECT_EQ(f_.bus.firmware(f_.mouse).memory().rate, 8);
  EXPECT_EQ(f_.files.files[test::kConfigPath][1926], 8);
  EXPECT_EQ(f_.dialog->settings().snapshot.record.report_rate_code, 8);
  EXPECT_EQ(f_.profile.GetString(test::kStrIniPath, L"Setting-EN", L"Item123", L"-", 1024), L"")
      << "all 24 key texts are written";
  EXPECT_FALSE(f_.Visible());
}

TEST_F(MainWindowInputTest, ApplyAppliesAndStaysOpen) {
  f_.dialog->settings().current.record.report_rate_code = 4;
  Click(700, 630);
  EXPECT_EQ(f_.bus.firmware(f_.mouse).memory().rate, 4);
  EXPECT_TRUE(f_.Visible());
  EXPECT_TRUE(Traced(L"applied"));
}

TEST_F(MainWindowInputTest, OkAndApplyDoNothingWithoutTheMouse) {
  f_.dialog->link().device_ready.store(0);
  f_.dialog->settings().current.record.report_rate_code = 2;
  Click(600, 630);
  Click(700, 630);
  EXPECT_NE(f_.bus.firmware(f_.mouse).memory().rate, 2);
  EXPECT_TRUE(f_.Visible());
  EXPECT_FALSE(Traced(L"applied"));
}

TEST_F(MainWindowInputTest, CancelRestoresTheSnapshotHidesAndRebuildsOnTheNextShow) {
  f_.dialog->settings().current.record.light_mode = 3;
  Click(800, 630);
  EXPECT_EQ(f_.dialog->settings().current.record.light_mode, 1) << "the factory config.bin's";
  EXPECT_FALSE(f_.Visible());
  const size_t draws = f_.windows.text.draws.size();
  f_.Tray(kMsgLButtonUp);
  EXPECT_GT(f_.windows.text.draws.size(), draws) << "the page was drawn again";
  EXPECT_EQ(f_.dialog->state().current_page, kBasicPage);
  const size_t again = f_.windows.text.draws.size();
  f_.Tray(kMsgLButtonUp);
  EXPECT_EQ(f_.windows.text.draws.size(), again) << "a shown window is not rebuilt";
}

// Hidden in the tray the window keeps neither its canvas nor its page's controls; the next show
// builds them again on the page it showed last.
TEST_F(MainWindowInputTest, AHiddenWindowGivesBackItsLookAndShowsTheSamePageAgain) {
  Click(80, 70);  // the advanced page
  ASSERT_FALSE(f_.windows.Controls(f_.dialog->window()).empty());
  Click(838, 14);  // minimise
  EXPECT_FALSE(f_.Visible());
  EXPECT_EQ(f_.dialog->canvas(), nullptr);
  EXPECT_TRUE(f_.windows.Controls(f_.dialog->window()).empty());
  EXPECT_EQ(f_.dialog->state().current_page, kNoPage);
  f_.Tray(kMsgLButtonUp);
  EXPECT_NE(f_.dialog->canvas(), nullptr);
  EXPECT_EQ(f_.dialog->state().current_page, kAdvancedPage);
  EXPECT_FALSE(f_.windows.Controls(f_.dialog->window()).empty());
}

// The buttons' images stay decoded while hidden, and main.png lies under a page image that covers
// it: a show decodes the page image alone.
TEST_F(MainWindowInputTest, AShowDecodesOnlyThePageImage) {
  Click(838, 14);  // minimise
  f_.images.decodes.clear();
  f_.Tray(kMsgLButtonUp);
  EXPECT_EQ(f_.images.decodes, (std::map<std::wstring, int>{{L"/BasicSet2.png", 1}}));
}

TEST(MainWindowFirstShow, DecodesOnlyThePageImage) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  f.Start();
  f.images.decodes.clear();
  f.Tray(kMsgLButtonUp);
  ASSERT_TRUE(f.Visible());
  EXPECT_EQ(f.images.decodes, (std::map<std::wstring, int>{{L"/BasicSet2.png", 1}}));
}

// A started program with the mouse, hidden in the tray.
class MainWindowHover : public ::testing::Test {
 protected:
  void SetUp() override {
    f_.AddMouse();
    f_.AddConfig(1);
    f_.Start();
  }
  bool LookBuilt() { return f_.dialog->canvas() != nullptr; }

  AppFixture f_;
};

TEST_F(MainWindowHover, ThePointerOnTheIconBuildsTheLookAndTheClickOnlyShowsIt) {
  f_.Tray(kMsgMouseMove);
  EXPECT_TRUE(LookBuilt());
  EXPECT_FALSE(f_.Visible());
  const size_t draws = f_.windows.text.draws.size();
  f_.Tray(kMsgLButtonUp);
  EXPECT_TRUE(f_.Visible());
  EXPECT_EQ(f_.windows.text.draws.size(), draws) << "nothing drawn again";
  f_.windows.AdvanceTime(60000);
  EXPECT_TRUE(LookBuilt()) << "a shown window keeps its look";
}

TEST_F(MainWindowHover, ALookNoClickFollowsGoesBackFiveSecondsAfterTheLastMove) {
  f_.Tray(kMsgMouseMove);
  f_.windows.AdvanceTime(4000);
  f_.Tray(kMsgMouseMove);
  f_.windows.AdvanceTime(4000);
  EXPECT_TRUE(LookBuilt());
  f_.windows.AdvanceTime(1000);
  EXPECT_FALSE(LookBuilt());
  EXPECT_EQ(f_.dialog->state().current_page, kNoPage);
  f_.Tray(kMsgLButtonUp);
  EXPECT_TRUE(f_.Visible());
  EXPECT_EQ(f_.dialog->state().current_page, kBasicPage);
}

TEST(MainWindowLook, MainPngShowsWhereThePageImageDoesNotCover) {
  const struct {
    const char* name;
    void (*change)(FakeImages& images);
  } cases[] = {
      {"a clear corner",
       [](FakeImages& images) { images.with_clear_corner = {L"/BasicSet2.png"}; }},
      {"no page image", [](FakeImages& images) { images.Remove(L"/BasicSet2.png"); }},
  };
  for (const auto& c : cases) {
    AppFixture f;
    f.AddMouse();
    f.AddConfig(1);
    c.change(f.images);
    f.Start();
    f.Tray(kMsgLButtonUp);
    ASSERT_NE(f.dialog->canvas(), nullptr) << c.name;
    const uint32_t colour = FakeImages::ColourOf(L"/main.png");
    EXPECT_EQ(test::PixelAt(*f.dialog->canvas(), 0, 0),
              test::Bgra({static_cast<uint8_t>(colour), static_cast<uint8_t>(colour >> 8),
                          static_cast<uint8_t>(colour >> 16), 255}))
        << c.name;
  }
}

TEST_F(MainWindowInputTest, TheTitleBarWebSpotWinsOverTheMinimiseButtonsLeftEdge) {
  Click(830, 10);
  EXPECT_EQ(f_.windows.opened_urls, std::vector<std::wstring>{L"http://www.vantorelliax.com"});
  EXPECT_TRUE(f_.Visible());
  Click(840, 10);
  EXPECT_FALSE(f_.Visible());
  EXPECT_TRUE(f_.windows.drags.empty());
}

TEST_F(MainWindowInputTest, TheWebAddressTextOpensTheAddressToo) {
  Click(300, 630);
  EXPECT_EQ(f_.windows.opened_urls.size(), 1u);
  EXPECT_TRUE(f_.windows.drags.empty());
}

TEST_F(MainWindowInputTest, CloseEndsTheProcessWithCodeZero) {
  Click(855, 10);
  EXPECT_EQ(f_.system.exit_code, 0);
  EXPECT_FALSE(f_.windows.tray_icon);
}

TEST_F(MainWindowInputTest, TheSystemCloseAndTheKeysOnlyHide) {
  for (const uint32_t key : {kKeyReturn, kKeyEscape}) {
    f_.Tray(kMsgLButtonUp);
    f_.windows.KeyDown(*f_.dialog, key);
    EXPECT_FALSE(f_.Visible());
  }
  f_.Tray(kMsgLButtonUp);
  f_.windows.Send(*f_.dialog, kMsgClose);
  f_.windows.Send(*f_.dialog, kMsgCommand, kIdCancel, 0);
  EXPECT_FALSE(f_.Visible());
  EXPECT_FALSE(f_.system.exit_code.has_value());
}

TEST_F(MainWindowInputTest, PageArrowsSwitchPagesAndTheCurrentOneIsNotRedrawn) {
  const size_t draws = f_.windows.text.draws.size();
  Click(30, 70);
  EXPECT_EQ(f_.windows.text.draws.size(), draws);
  Click(80, 70);
  EXPECT_EQ(f_.dialog->state().current_page, kAdvancedPage);
  const auto texts = f_.DrawnTexts();
  for (const wchar_t* text : {L"Advanced Settings", L"Mouse Speed", L"Record Option", L"New"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
  }
  EXPECT_EQ(f_.PresentedPixel(500, 300), FakeImages::ColourOf(L"/AdvancedSet2.png"));
  Click(30, 70);
  EXPECT_EQ(f_.dialog->state().current_page, kBasicPage);
  EXPECT_EQ(f_.PresentedPixel(500, 300), FakeImages::ColourOf(L"/BasicSet2.png"));
}

TEST_F(MainWindowInputTest, TheBasicPageDrawsItsFrame) {
  const auto& draws = f_.windows.text.draws;
  const auto find = [&](const std::wstring& text) {
    return std::find_if(draws.begin(), draws.end(), [&](const auto& d) { return d.text == text; });
  };
  const auto title = find(L"Basic Settings");
  ASSERT_NE(title, draws.end());
  EXPECT_EQ(title->rect, main_layout::kPageTitle);
  EXPECT_EQ(title->format, 0x24u);
  EXPECT_EQ(title->font, (FontSpec{L"Tahoma", 18, 700}));
  EXPECT_EQ(title->colour, (Rgb{0, 230, 118}));
  // Headings may be wider than their boxes and are not clipped; buttons are.
  const std::tuple<const wchar_t*, Rect, uint32_t> centred[] = {
      {L"Key Setting", basic_layout::kKeyHeading, 0x125},
      {L"Report Rate Setting", basic_layout::kRateHeading, 0x125},
      {L"DPI Setting", basic_layout::kDpiHeading, 0x125},
      {L"DPI Effect", basic_layout::kDpiEffectHeading, 0x125},
      {L"OK", main_layout::kOk, 0x25},
      {L"Apply", main_layout::kApply, 0x25},
      {L"Cancel", main_layout::kCancel, 0x25},
      {L"www.vantorelliax.com", main_layout::kWebText, 0x25},
      {L"Default", basic_layout::kKeyDefaults, 0x25},
  };
  for (const auto& [text, rect, format] : centred) {
    const auto draw = find(text);
    ASSERT_NE(draw, draws.end()) << text;
    EXPECT_EQ(draw->rect, rect) << text;
    EXPECT_EQ(draw->format, format) << text;
    EXPECT_EQ(draw->font, (FontSpec{L"Arial", 14, 400})) << text;
  }
  EXPECT_EQ(f_.PresentedPixel(252, 199), FakeImages::ColourOf(L"/DropdownBox-normal.png"));
  EXPECT_EQ(f_.PresentedPixel(252, 199 + 23 * 9), FakeImages::ColourOf(L"/DropdownBox-normal.png"));
  EXPECT_EQ(f_.PresentedPixel(710, 10), FakeImages::ColourOf(L"/button-Skins-normal.png"));
}

TEST_F(MainWindowInputTest, AnEmptySpotDragsAndAHotSpotDoesNot) {
  Click(200, 400);
  EXPECT_EQ(f_.windows.drags, (std::vector<Point>{{200, 400}}));
  Click(30, 70);
  Click(830, 10);
  EXPECT_EQ(f_.windows.drags.size(), 1u);
}

TEST_F(MainWindowInputTest, OkAndCancelHideWithoutDraggingTheHiddenWindow) {
  Click(800, 630);
  f_.Tray(kMsgLButtonUp);
  Click(600, 630);
  EXPECT_FALSE(f_.Visible());
  EXPECT_TRUE(f_.windows.drags.empty());
}

TEST_F(MainWindowInputTest, HoverHighlightsOneButtonOfAGroupAtATime) {
  const uint32_t normal = FakeImages::ColourOf(L"/button-normal.png");
  const uint32_t over = FakeImages::ColourOf(L"/button-over.png");
  f_.windows.MoveTo(*f_.dialog, 600, 630);
  EXPECT_EQ(f_.windows.hover_requests, 1);
  f_.windows.Hover(*f_.dialog, 600, 630);
  EXPECT_EQ(f_.PresentedPixel(562, 623), over);
  // Straight from OK onto Apply: Apply is drawn hovered and OK restored in the same step.
  f_.windows.MoveTo(*f_.dialog, 700, 630);
  f_.windows.Hover(*f_.dialog, 700, 630);
  EXPECT_EQ(f_.PresentedPixel(562, 623), normal);
  EXPECT_EQ(f_.PresentedPixel(780, 623), normal);
  EXPECT_EQ(f_.PresentedPixel(700, 623), over);
  // The right edge is outside the control: a move there restores it.
  f_.windows.MoveTo(*f_.dialog, 875, 630);
  EXPECT_EQ(f_.PresentedPixel(700, 623), normal);
}

TEST_F(MainWindowInputTest, LeavingTheWindowKeepsTheHighlightUntilTheNextEmptyMove) {
  const uint32_t over = FakeImages::ColourOf(L"/button-NextPage-over.png");
  f_.windows.MoveTo(*f_.dialog, 70, 70);
  f_.windows.Hover(*f_.dialog, 70, 70);
  f_.windows.Send(*f_.dialog, kMsgMouseLeave);
  EXPECT_EQ(f_.PresentedPixel(60, 54), over);
  // A control of another group stays hovered too, as the groups do not restore each other.
  f_.windows.MoveTo(*f_.dialog, 855, 10);
  f_.windows.Hover(*f_.dialog, 855, 10);
  EXPECT_EQ(f_.PresentedPixel(60, 54), over);
  f_.windows.MoveTo(*f_.dialog, 400, 100);
  EXPECT_EQ(f_.PresentedPixel(60, 54), FakeImages::ColourOf(L"/button-NextPage-normal.png"));
  EXPECT_EQ(f_.PresentedPixel(850, 5), FakeImages::ColourOf(L"/button-close-normal.png"));
}

TEST_F(MainWindowInputTest, DropDownsHoverWithTheirNumberAndText) {
  f_.windows.text.draws.clear();
  f_.windows.MoveTo(*f_.dialog, 300, 250);
  f_.windows.Hover(*f_.dialog, 300, 250);
  EXPECT_EQ(f_.PresentedPixel(252, 245), FakeImages::ColourOf(L"/DropdownBox-over.png"));
  ASSERT_EQ(f_.windows.text.draws.size(), 2u);
  EXPECT_EQ(f_.windows.text.draws[0].text, L"3");
  EXPECT_EQ(f_.windows.text.draws[0].rect, (Rect{258, 245, 272, 266}));
  EXPECT_EQ(f_.windows.text.draws[1].rect, (Rect{278, 245, 463, 266}));
  EXPECT_EQ(f_.windows.text.draws[1].format, 0x24u);
}

TEST_F(MainWindowInputTest, PageControlsHoverOnlyOnTheirPage) {
  f_.windows.MoveTo(*f_.dialog, 60, 590);  // the pointer defaults button of the advanced page
  EXPECT_EQ(f_.windows.hover_requests, 0);
  Click(80, 70);
  f_.windows.MoveTo(*f_.dialog, 60, 590);
  EXPECT_EQ(f_.windows.hover_requests, 1);
  f_.windows.MoveTo(*f_.dialog, 300, 250);  // a drop-down of the basic page
  EXPECT_EQ(f_.windows.hover_requests, 1);
}

}  // namespace
}  // namespace vx
