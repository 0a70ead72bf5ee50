// What a user meets when the program folder was damaged before the start: config.bin, the skin,
// a folder the program cannot write.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "settings/factory_settings.h"
#include "ui/language_text.h"

namespace vx {
namespace {

using test::AppFixture;

constexpr wchar_t kAside[] = L"C:\\Games\\Mouse\\config.bin.bad";

std::vector<std::wstring> BoxTexts(const AppFixture& f) {
  std::vector<std::wstring> texts;
  for (const auto& box : f.windows.boxes) texts.push_back(box.text);
  return texts;
}

// The factory key set A as matrix 1 carries it (slots in the mouse's order, four bytes each).
// clang-format off
constexpr uint8_t kFactoryMatrix1[64] = {
    0x01, 0x00, 0xf0, 0x00,  0x01, 0x00, 0xf1, 0x00,  0x01, 0x00, 0xf2, 0x00,
    0x07, 0x00, 0x04, 0x01,  0x00, 0x08, 0x07, 0x00,  0x07, 0x00, 0x03, 0x00,
    0x0a, 0xf0, 0x22, 0x03,  0x08, 0x00, 0x03, 0x00,  0x01, 0x00, 0xf4, 0x00,
    0x01, 0x00, 0xf3, 0x00,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,
    0x01, 0x00, 0xf7, 0x00,  0x01, 0x00, 0xf8, 0x00};
// clang-format on

// A damaged config.bin never reaches the mouse: the page shows the factory settings, Apply sends
// them (never a record of zeros, whose every button clicks left), and the user is told once.
TEST(DamagedConfig, TheFactorySettingsAreShownAndSentAndTheUserToldOnce) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    bool folder;
  };
  const std::vector<uint8_t> zero_rate = [] {
    std::vector<uint8_t> bytes(1986, 0);
    bytes[0] = 1;
    return bytes;
  }();
  const std::vector<Case> cases = {{"cut short", std::vector<uint8_t>(1000, 0x11), false},
                                   {"a folder", {}, true},
                                   {"report rate code 0", zero_rate, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppFixture f;
    f.AddMouse();
    f.bus.firmware(f.mouse).memory().matrix[0].fill(0xAA);
    if (c.folder) {
      f.files.not_files.insert(test::kConfigPath);
    } else {
      f.files.files[test::kConfigPath] = c.bytes;
    }
    f.Start();
    EXPECT_EQ(BoxTexts(f), std::vector<std::wstring>{LanguageTextFor(L"").config_damaged +
                                                     L"\nThe damaged file is kept as "
                                                     L"config.bin.bad."});
    EXPECT_EQ(f.dialog->settings().current.record, FactoryRecord());
    f.Tray(kMsgLButtonUp);
    f.windows.Click(*f.dialog, 700, 630);  // Apply
    const sim::MouseMemory& memory = f.bus.firmware(f.mouse).memory();
    EXPECT_EQ(memory.rate, 1);
    EXPECT_TRUE(std::equal(memory.matrix[0].begin(), memory.matrix[0].end(), kFactoryMatrix1));
    EXPECT_EQ(f.files.files[test::kConfigPath].size(), 1986u) << "saved anew";
    EXPECT_EQ(f.files.files[test::kConfigPath][1926], 1);
    if (!c.folder) {
      EXPECT_EQ(f.files.files[kAside], c.bytes) << "the damaged file is kept";
    }
    EXPECT_EQ(f.windows.boxes.size(), 1u) << "told once";
  }
}

TEST(DamagedConfig, TheMessageSpeaksTheUsersLanguage) {
  AppFixture f;
  f.AddMouse();
  f.WriteStrIni(L"Skins", L"Lan", L"CHT");
  f.files.files[test::kConfigPath] = {1, 2, 3};
  f.Start();
  EXPECT_EQ(BoxTexts(f), std::vector<std::wstring>{L"設置檔案 config.bin 已損壞，現顯示原廠設置。\n"
                                                   L"損壞的檔案已保存為 config.bin.bad。"});
}

TEST(MissingConfig, IsCreatedByTheNextApply) {
  AppFixture f;
  f.AddMouse();
  f.Start();
  f.windows.boxes.clear();
  f.Tray(kMsgLButtonUp);
  f.windows.Click(*f.dialog, 700, 630);
  EXPECT_TRUE(f.windows.boxes.empty()) << "no more \"Config file is not exist.\"";
  ASSERT_EQ(f.files.files[test::kConfigPath].size(), 1986u);
  EXPECT_EQ(f.files.files[test::kConfigPath][0], 1);
}

// A read-only program folder costs one box per action, naming each file and the system's reason.
TEST(FailedSaves, OneApplyIsOneBoxNamingEveryFile) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  f.Start();
  f.Tray(kMsgLButtonUp);
  f.files.create_error = 5;
  f.windows.Click(*f.dialog, 700, 630);
  ASSERT_EQ(f.windows.boxes.size(), 1u);
  EXPECT_EQ(f.windows.boxes[0].caption, L"NULL ==fp ");
  EXPECT_EQ(f.windows.boxes[0].text,
            L"Error Code is: 5 \nC:\\Games\\Mouse\\config.bin was not saved: Access is denied.\n"
            L"\nError Code is: 5 \nC:\\Games\\Mouse\\record.ini was not saved: Access is denied.\n"
            L"\nError Code is: 5 \nC:\\Games\\Mouse\\str.ini was not saved: Access is denied.\n"
            L"\nError Code is: 5 \nC:\\Games\\Mouse\\Profiles\\Default.vxprofile was not saved: "
            L"Access is denied.\n");
}

// A skin that cannot be drawn would give a window of no size, and no way to the skins dialog.
TEST(BrokenSkin, TheFirstCompleteSkinTakesItsPlaceOnceAndTheOtherKeysStay) {
  struct Case {
    const char* name;
    std::wstring path;
    std::wstring taken;
    bool remove_main = false;
  };
  // Dusk is listed first, Amber second.
  const std::vector<Case> cases = {{"main.png deleted", L"Dusk", L"Amber", true},
                                   {"no such folder", L"Nope", L"Dusk"},
                                   {"outside the Skins folder", L"..\\Skins\\Amber", L"Dusk"},
                                   {"empty", L"", L"Dusk"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppFixture f;
    f.AddMouse();
    f.AddConfig(1);
    f.AddSkin(L"Amber");
    if (c.remove_main) f.files.files.erase(std::wstring(test::kSkinDir) + L"/main.png");
    f.WriteStrIni(L"Skins", L"Path", c.path);
    f.WriteStrIni(L"Skins", L"GColor", L" 200x");
    f.Start();
    EXPECT_EQ(f.dialog->state().skin_name, c.taken);
    EXPECT_EQ(f.windows.Get(f.dialog->window()).width, 890);
    EXPECT_EQ(BoxTexts(f), std::vector<std::wstring>{L"The skin \"" + c.path +
                                                     L"\" cannot be drawn, so the skin \"" +
                                                     c.taken + L"\" is used."});
    EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Skins", L"Path", L"", 64), c.taken);
    EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Skins", L"GColor", L"", 64), L"200x");
    EXPECT_FALSE(f.system.exit_code);
  }
}

TEST(BrokenSkin, WithoutAnySkinTheProgramSaysItsFolderIsDamagedAndEnds) {
  AppFixture f;
  f.AddMouse();
  f.AddConfig(1);
  f.images.Remove(L"/main.png");
  f.Start();
  EXPECT_EQ(BoxTexts(f), std::vector<std::wstring>{LanguageTextFor(L"").program_folder_damaged});
  EXPECT_EQ(f.system.exit_code, 1);
  EXPECT_FALSE(f.windows.tray_icon) << "nothing stays behind in the tray";
}

}  // namespace
}  // namespace vx
