#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_fixture.h"
#include "profiles/profile_file.h"
#include "settings/factory_settings.h"

namespace vx::test {
namespace {

constexpr wchar_t kProfiles[] = L"C:\\Games\\Mouse\\Profiles";

std::wstring ProfilePath(const std::wstring& name) {
  return std::wstring(kProfiles) + L"\\" + name + L".vxprofile";
}

ProfileFile DefaultProfile() {
  ProfileFile file;
  file.name = L"Default";
  file.setup.record = FactoryRecord();
  return file;
}

// A profile at 125 Hz whose first button is named for the game.
ProfileFile GameProfile(std::vector<std::wstring> programs = {}) {
  ProfileFile file;
  file.name = L"Game";
  file.programs = std::move(programs);
  file.setup.record = FactoryRecord();
  file.setup.record.report_rate_code = 8;
  file.setup.key_texts[kEnglish][0] = L"Fire";
  file.setup.key_texts[kSimplifiedChinese][0] = L"开火";
  return file;
}

class MainWindowProfiles : public ::testing::Test {
 protected:
  void SetUp() override {
    f_.AddMouse();
    f_.AddConfig(1);
  }
  // As a start with profiles left them: Default active and chosen, Game beside it.
  void AddDefaultAndGame(std::vector<std::wstring> programs = {}) {
    AddProfile(DefaultProfile());
    AddProfile(GameProfile(std::move(programs)));
    f_.WriteStrIni(L"Profiles", L"Active", L"Default");
    f_.WriteStrIni(L"Profiles", L"Chosen", L"Default");
  }
  void AddProfile(const ProfileFile& file) {
    f_.files.folders[kProfiles];
    const std::string text = WriteProfileFile(file);
    f_.files.files[ProfilePath(file.name)].assign(text.begin(), text.end());
  }
  std::wstring StrIni(const std::wstring& section, const std::wstring& key) {
    return f_.profile.GetString(kStrIniPath, section, key, L"", 256);
  }
  // The tray menu's profile items, as the user sees them.
  std::vector<MenuItem> ProfileItems() {
    f_.Tray(kMsgRButtonUp);
    return f_.windows.menus.back().items.at(0).submenu;
  }
  void Choose(int command) {
    f_.windows.Send(*f_.dialog, kMsgCommand, command, 0);
    f_.windows.PumpSent();
  }
  uint8_t MouseRate() { return f_.bus.firmware(f_.mouse).memory().rate; }

  AppFixture f_;
};

TEST_F(MainWindowProfiles, TheFirstStartKeepsTheSetupAsDefaultAndALaterStartLeavesIt) {
  f_.Start();
  const auto& files = f_.files.files;
  ASSERT_TRUE(files.count(ProfilePath(L"Default")));
  const ProfileFileRead read = ReadProfileFile(files.at(ProfilePath(L"Default")));
  ASSERT_TRUE(read.file) << read.error;
  EXPECT_EQ(read.file->setup.record.report_rate_code, FactoryRecord().report_rate_code);
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Default");
  EXPECT_EQ(StrIni(L"Profiles", L"Chosen"), L"Default");

  AppFixture again;
  again.files = f_.files;
  again.profile.WriteString(kStrIniPath, L"Profiles", L"Active", L"Game");
  again.files.files.erase(ProfilePath(L"Default"));
  again.AddMouse();
  again.Start();
  EXPECT_FALSE(again.files.files.count(ProfilePath(L"Default"))) << "the folder was there";
}

TEST_F(MainWindowProfiles, AProfileChosenInTheTrayBecomesTheProgramsOwnAndReachesTheMouse) {
  AddDefaultAndGame();
  f_.Start();
  const std::vector<MenuItem> items = ProfileItems();
  ASSERT_GE(items.size(), 2u);
  EXPECT_EQ(items[0].text, L"Default");
  EXPECT_TRUE(items[0].checked);
  EXPECT_EQ(items[1].text, L"Game");
  EXPECT_FALSE(items[1].checked);
  Choose(items[1].command);

  EXPECT_EQ(MouseRate(), 8);
  EXPECT_EQ(f_.files.files[kConfigPath][1 + 0x785], 8) << "config.bin holds it";
  EXPECT_EQ(StrIni(L"Setting-EN", L"Item1"), L"Fire");
  EXPECT_EQ(StrIni(L"Setting-CHS", L"Item1"), L"开火");
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Game");
  EXPECT_EQ(StrIni(L"Profiles", L"Chosen"), L"Game");
  ASSERT_FALSE(f_.windows.balloons.empty());
  EXPECT_EQ(f_.windows.balloons.back().text, L"Profile: Game");
  EXPECT_TRUE(ProfileItems()[1].checked);
}

TEST_F(MainWindowProfiles, APageBuiltForAHoverShowsAProfileChosenMeanwhile) {
  AddDefaultAndGame();
  f_.Start();
  f_.Tray(kMsgMouseMove);
  const std::vector<MenuItem> items = ProfileItems();
  ASSERT_GE(items.size(), 2u);
  const size_t before = f_.windows.text.draws.size();
  Choose(items[1].command);
  f_.Tray(kMsgLButtonUp);
  ASSERT_TRUE(f_.Visible());
  const auto& draws = f_.windows.text.draws;
  EXPECT_TRUE(std::any_of(draws.begin() + static_cast<ptrdiff_t>(before), draws.end(),
                          [](const auto& draw) { return draw.text == L"Fire"; }));
}

TEST_F(MainWindowProfiles, WithTheMouseMissingTheChoiceIsSentWhenItArrives) {
  AddDefaultAndGame();
  f_.Start();
  f_.bus.Unplug(f_.mouse);
  const DeviceBroadcast gone{kDeviceTypeInterface, f_.bus.interfaces().back().path};
  f_.dialog->OnDeviceChange(kDeviceRemoveComplete, &gone);
  f_.windows.PumpSent();
  Choose(ProfileItems()[1].command);
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Game");
  EXPECT_NE(MouseRate(), 8);

  f_.bus.Plug(f_.mouse);
  const DeviceBroadcast back{kDeviceTypeInterface, f_.bus.interfaces().back().path};
  f_.dialog->OnDeviceChange(kDeviceArrival, &back);
  f_.windows.PumpSent();
  EXPECT_EQ(MouseRate(), 8);
}

TEST_F(MainWindowProfiles, AnUnreadableProfileIsToldAndChangesNothing) {
  AddDefaultAndGame();
  f_.files.files[ProfilePath(L"Broken")] = {'[', 'P', 'r', 'o'};
  f_.Start();
  const auto config = f_.files.files[kConfigPath];
  f_.windows.boxes.clear();
  Choose(ProfileItems()[0].command);
  ASSERT_EQ(f_.windows.boxes.size(), 1u);
  EXPECT_NE(f_.windows.boxes[0].text.find(L"The profile Broken cannot be used: "),
            std::wstring::npos);
  EXPECT_EQ(f_.files.files[kConfigPath], config);
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Default");
}

TEST_F(MainWindowProfiles, ApplySavesTheActiveProfileAndKeepsItsPrograms) {
  AddProfile(GameProfile({L"game.exe"}));
  f_.WriteStrIni(L"Profiles", L"Active", L"Game");
  f_.Start();
  f_.Tray(kMsgLButtonUp);
  f_.dialog->settings().current.record.report_rate_code = 2;
  f_.windows.Click(*f_.dialog, 700, 630);
  const ProfileFileRead read = ReadProfileFile(f_.files.files[ProfilePath(L"Game")]);
  ASSERT_TRUE(read.file) << read.error;
  EXPECT_EQ(read.file->setup.record.report_rate_code, 2);
  EXPECT_EQ(read.file->programs, std::vector<std::wstring>{L"game.exe"});
}

// The program in front chooses once it has held the front for a second; while the window is
// shown nothing is replaced under the user's hands; the hand choice comes back after.
TEST_F(MainWindowProfiles, TheProgramInFrontChoosesItsProfileAfterASecond) {
  AddDefaultAndGame({L"game.exe"});
  f_.Start();
  EXPECT_TRUE(f_.windows.TimerPeriod(f_.dialog->window(), 1)) << "on once a profile names one";
  f_.foreground.program = L"GAME.EXE";
  f_.windows.AdvanceTime(500);
  EXPECT_NE(MouseRate(), 8) << "alt-tabbing past changes nothing";
  f_.windows.AdvanceTime(750);
  EXPECT_EQ(MouseRate(), 8);
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Game");
  EXPECT_EQ(StrIni(L"Profiles", L"Chosen"), L"Default");

  f_.Tray(kMsgLButtonUp);
  f_.foreground.program = std::nullopt;
  f_.windows.AdvanceTime(1500);
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Game") << "the shown window keeps its setup";
  f_.windows.Click(*f_.dialog, 790, 630);
  f_.windows.AdvanceTime(500);
  EXPECT_EQ(StrIni(L"Profiles", L"Active"), L"Default");
  EXPECT_NE(MouseRate(), 8);
}

TEST_F(MainWindowProfiles, SwitchingByProgramIsTurnedOffAndKept) {
  AddDefaultAndGame({L"game.exe"});
  f_.Start();
  const std::vector<MenuItem> menu = (f_.Tray(kMsgRButtonUp), f_.windows.menus.back().items);
  ASSERT_EQ(menu.at(1).command, kTraySwitchByProgramCommand);
  EXPECT_TRUE(menu[1].checked);
  Choose(kTraySwitchByProgramCommand);
  EXPECT_EQ(StrIni(L"Profiles", L"SwitchByProgram"), L"0");
  EXPECT_FALSE(f_.windows.TimerPeriod(f_.dialog->window(), 1));
  f_.foreground.program = L"game.exe";
  f_.windows.AdvanceTime(2000);
  EXPECT_NE(MouseRate(), 8);
  Choose(kTraySwitchByProgramCommand);
  EXPECT_EQ(StrIni(L"Profiles", L"SwitchByProgram"), L"1");
  f_.windows.AdvanceTime(1250);
  EXPECT_EQ(MouseRate(), 8);
}

TEST_F(MainWindowProfiles, StartWithWindowsRegistersTheProgramAndTellsAFailure) {
  f_.Start();
  Choose(kTrayStartWithWindowsCommand);
  EXPECT_TRUE(f_.logon_task.registered);
  EXPECT_EQ(f_.logon_task.program, kModulePath);
  f_.Tray(kMsgRButtonUp);
  EXPECT_TRUE(f_.windows.menus.back().items.at(2).checked);
  f_.logon_task.error = 5;
  f_.windows.boxes.clear();
  Choose(kTrayStartWithWindowsCommand);
  EXPECT_TRUE(f_.logon_task.registered);
  ASSERT_EQ(f_.windows.boxes.size(), 1u);
  EXPECT_EQ(f_.windows.boxes[0].text, L"Start with Windows could not be changed: Access is denied.");
}

}  // namespace
}  // namespace vx::test
