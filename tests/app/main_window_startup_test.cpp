#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "layout/main_window.h"

namespace vx {
namespace {

using test::AppFixture;

std::vector<std::wstring> BalloonTexts(const AppFixture& f) {
  std::vector<std::wstring> texts;
  for (const auto& balloon : f.windows.balloons) {
    texts.push_back(balloon.title + L"|" + balloon.text + L"|" +
                    std::to_wstring(balloon.timeout_ms));
  }
  return texts;
}

TEST(MainWindowStartUp, WithTheMouseStartsHiddenInTheTrayAndSetsTheMouseUp) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.Start();
  EXPECT_EQ(f.system.mutex_name, L"QuarvelantideMutex");
  EXPECT_TRUE(f.windows.tray_icon);
  EXPECT_EQ(f.windows.tray_tip, L"Gaming Mouse Setting");
  EXPECT_EQ(BalloonTexts(f),
            std::vector<std::wstring>{L"Info|The system detect the gaming mouse.|100"});
  EXPECT_FALSE(f.Visible()) << "the first two non-client paints hide the window";
  EXPECT_TRUE(f.windows.Get(f.dialog->window()).tool_window);
  EXPECT_EQ(f.windows.Get(f.dialog->window()).width, main_layout::kWidth);
  EXPECT_EQ(f.dialog->state().current_page, kNoPage) << "nothing is built for a hidden window";
  EXPECT_TRUE(f.dialog->state().first_time_set_up);
  EXPECT_EQ(f.dialog->state().ui_text_colour, (Rgb{0, 230, 118}));
}

TEST(MainWindowStartUp, FirstTimeSetUpProgramsTheSensorAndWritesDefaultKeyTexts) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(0);
  f.Start();
  EXPECT_EQ(f.bus.firmware(f.mouse).memory().sensor[3] & 0x40, 0x40);
  EXPECT_EQ(f.dialog->settings().current.record.dpi_index, (std::array<uint8_t, 4>{1, 4, 7, 10}));
  EXPECT_EQ(f.dialog->settings().snapshot.record.dpi_index, (std::array<uint8_t, 4>{1, 4, 7, 10}))
      << "Cancel keeps the defaults";
  EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Setting-EN", L"Item9", L"", 1024),
            L"Combo Key-left Win+D");
  EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Setting-EN", L"Item123", L"", 1024),
            L"Key Off");
}

// DpiIndex lies at record offset 0x787, one byte after the first-run flag in the file.
TEST(MainWindowStartUp, AConfigSavedBeforeKeepsItsDpiStagesWhateverTheSensor) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  std::vector<uint8_t>& config = f.files.files[test::kConfigPath];
  const uint8_t saved[] = {2, 5, 6, 9};
  std::copy(std::begin(saved), std::end(saved), config.begin() + 1 + 0x787);
  f.Start();
  EXPECT_EQ(f.bus.firmware(f.mouse).memory().sensor[3] & 0x40, 0x40) << "the sensor is refreshed";
  EXPECT_EQ(f.dialog->settings().current.record.dpi_index, (std::array<uint8_t, 4>{2, 5, 6, 9}));
  EXPECT_EQ(f.dialog->settings().snapshot.record.dpi_index, (std::array<uint8_t, 4>{2, 5, 6, 9}));
}

TEST(MainWindowStartUp, AConfigSavedBeforeKeepsItsKeyTexts) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  f.WriteStrIni(L"Setting-EN", L"Item1", L"My Click");
  f.Start();
  EXPECT_EQ(f.dialog->settings().key_texts()[0], L"My Click");
  EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Setting-EN", L"Item2", L"-", 1024), L"-");
}

TEST(MainWindowStartUp, WithoutTheMouseWarnsAndTrayClicksWarnAgain) {
  AppFixture f;
  f.AddConfig();
  f.Start();
  EXPECT_EQ(BalloonTexts(f),
            std::vector<std::wstring>{L"Warning|The system did not detect the gaming mouse!|100"});
  EXPECT_EQ(f.dialog->state().current_page, kNoPage);
  f.Tray(kMsgLButtonUp);
  f.Tray(kMsgLButtonDoubleClick);
  EXPECT_EQ(f.windows.balloons.size(), 3u);
  EXPECT_FALSE(f.Visible());
}

TEST(MainWindowStartUp, ASecondInstanceEndsAtOnceWithCodeZero) {
  AppFixture f;
  f.AddMouse();
  f.system.other_instance = true;
  f.Start();
  EXPECT_EQ(f.system.exit_code, 0);
  EXPECT_FALSE(f.windows.tray_icon);
  EXPECT_TRUE(f.windows.balloons.empty());
}

TEST(MainWindowStartUp, AMissingConfigIsReportedWithTheApplicationTitle) {
  AppFixture f;
  f.AddMouse();
  f.Start();
  ASSERT_EQ(f.windows.boxes.size(), 1u);
  EXPECT_EQ(f.windows.boxes[0].text, L"Config file is not exist.");
  EXPECT_EQ(f.windows.boxes[0].caption, L"Vantorelliax GM");
  EXPECT_NE(std::find(f.windows.trace.begin(), f.windows.trace.end(),
                      L"message Vantorelliax GM: Config file is not exist."),
            f.windows.trace.end());
}

// A half-started program must not linger in the tray: it ends with its message and code 1.
TEST(MainWindowStartUp, FailedDeviceRegistrationEndsTheProgram) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.windows.device_notifications_fail = true;
  f.Start();
  ASSERT_FALSE(f.windows.boxes.empty());
  EXPECT_EQ(f.windows.boxes[0].text, L"RegisterDeviceNotification failed!!!");
  EXPECT_EQ(f.dialog->state().current_page, kNoPage);
  EXPECT_FALSE(f.windows.tray_icon);
  EXPECT_EQ(f.system.exit_code, 1);
}

TEST(MainWindowStartUp, MissingColourKeysGiveBlackText) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.profile.WriteString(test::kStrIniPath, L"Skins", L"GColor", std::nullopt);
  f.profile.WriteString(test::kStrIniPath, L"Skins", L"BColor", L"x");
  f.Start();
  EXPECT_EQ(f.dialog->state().ui_text_colour, (Rgb{0, 0, 0}));
}

TEST(MainWindowStartUp, ChineseTextsAndFontsFollowTheLanguageCode) {
  struct Case {
    const wchar_t* code;
    unsigned minor;
    const wchar_t* title;
    const wchar_t* face;
    const wchar_t* section;
  };
  const Case cases[] = {
      {L"CHS", 2, L"基本设置", L"黑体", L"Setting-CHS"},
      {L"CHS", 1, L"基本设置", L"宋体", L"Setting-CHS"},
      {L"CHT", 1, L"基本設置", L"黑体", L"Setting-CHT"},
      {L"chs", 2, L"Basic Settings", L"Arial", L"Setting-EN"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.AddMouse();
    f.AddConfig(1);
    f.system.minor = c.minor;
    f.WriteStrIni(L"Skins", L"Lan", c.code);
    f.WriteStrIni(c.section, L"Item1", L"Mine");
    f.Start();
    f.Tray(kMsgLButtonUp);
    EXPECT_EQ(f.dialog->settings().key_texts()[0], L"Mine") << c.code;
    const auto& draws = f.windows.text.draws;
    const auto title =
        std::find_if(draws.begin(), draws.end(), [&](const auto& d) { return d.text == c.title; });
    ASSERT_NE(title, draws.end()) << c.code;
    EXPECT_EQ(title->font.weight, 700);
    EXPECT_EQ(f.dialog->fonts().normal.face, c.face) << c.code;
  }
}

TEST(MainWindowTray, AClickShowsTheWindowOnlyWhileTheMouseIsReady) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.Start();
  f.Tray(kMsgLButtonUp);
  EXPECT_TRUE(f.Visible());
  // A non-client paint after showing no longer hides the window.
  f.windows.Send(*f.dialog, kMsgNcPaint);
  EXPECT_TRUE(f.Visible());
}

TEST(MainWindowTray, TheRightButtonOffersExitLastWhichEndsTheProcess) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.Start();
  f.Tray(kMsgRButtonUp);
  ASSERT_EQ(f.windows.menus.size(), 1u);
  ASSERT_FALSE(f.windows.menus[0].items.empty());
  EXPECT_EQ(f.windows.menus[0].items.back().command, 1028);
  EXPECT_EQ(f.windows.menus[0].items.back().text, L"Exit");
  f.windows.Send(*f.dialog, kMsgCommand, 1028, 0);
  EXPECT_EQ(f.system.exit_code, 0);
  EXPECT_FALSE(f.windows.tray_icon);
  EXPECT_EQ(f.bus.open_handle_count(), 0u) << "the device handles are closed";
}

TEST(MainWindowTray, TheIconComesBackWhenTheShellRestarts) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.Start();
  f.windows.tray_icon = false;
  f.windows.Send(*f.dialog, kMsgTaskbarCreated);
  EXPECT_TRUE(f.windows.tray_icon);
  EXPECT_EQ(f.windows.tray_tip, L"Gaming Mouse Setting");
}

TEST(MainWindowTray, OtherMouseMessagesAreIgnored) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig();
  f.Start();
  f.Tray(kMsgMouseMove);
  f.Tray(kMsgRButtonDown);
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(f.windows.menus.empty());
}

TEST(MainWindowNotifications, TheMouseOwnAnnouncementsBecomeBalloons) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(0);
  f.Start();
  f.windows.balloons.clear();
  f.bus.EmitEvent(f.mouse, 5, 4);
  f.bus.EmitEvent(f.mouse, 7, 2);
  f.bus.EmitEvent(f.mouse, 9, 3);
  f.bus.EmitEvent(f.mouse, 8, 3);
  // The reader thread hands each one to the window and waits until the window has handled it.
  f.windows.PumpUntil([&] { return f.windows.balloons.size() >= 3; }, std::chrono::seconds(5));
  f.windows.PumpSent();
  EXPECT_EQ(BalloonTexts(f), (std::vector<std::wstring>{
                                 L"Info|Switch report rate into 250HZ|5000",
                                 L"Info|Switch DPI into the second stage 1250|5000",
                                 L"Info|Switch to macro key3|5000",
                             }));
}

}  // namespace
}  // namespace vx
