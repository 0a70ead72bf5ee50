#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_fixture.h"
#include "app/tray_menu.h"

namespace vx::test {
namespace {

constexpr int kEnglishCommand = kTrayFirstLanguageCommand;
constexpr int kSimplifiedCommand = kTrayFirstLanguageCommand + 1;
constexpr int kTraditionalCommand = kTrayFirstLanguageCommand + 2;

// A program that starts in English with its key texts saved for English only, the window shown.
class MainWindowLanguage : public ::testing::Test {
 protected:
  void SetUp() override {
    f_.AddMouse();
    f_.AddConfig(0);
    f_.WriteStrIni(L"Skins", L"Lan", L"EN");
    f_.Start();
    f_.Tray(kMsgLButtonUp);
    ASSERT_TRUE(f_.Visible());
  }
  void Choose(int command) {
    f_.windows.Send(*f_.dialog, kMsgCommand, command, 0);
    f_.windows.PumpSent();
  }
  std::vector<MenuItem> Menu() {
    f_.Tray(kMsgRButtonUp);
    return f_.windows.menus.back().items;
  }
  std::wstring StrIni(const std::wstring& section, const std::wstring& key) {
    return f_.profile.GetString(kStrIniPath, section, key, L"-", 256);
  }
  bool Drawn(const std::wstring& text) {
    const std::vector<std::wstring> texts = f_.DrawnTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  AppFixture f_;
};

TEST_F(MainWindowLanguage, TheMenuNamesEachLanguageInItsOwnWordsAndChecksTheCurrentOne) {
  const std::vector<MenuItem> menu = Menu();
  ASSERT_EQ(menu.at(3).text, L"Language");
  const std::vector<MenuItem>& languages = menu[3].submenu;
  ASSERT_EQ(languages.size(), 3u);
  const std::wstring names[] = {L"English", L"简体中文", L"繁體中文"};
  for (size_t n = 0; n < 3; ++n) {
    EXPECT_EQ(languages[n].text, names[n]);
    EXPECT_EQ(languages[n].command, kEnglishCommand + static_cast<int>(n));
    EXPECT_EQ(languages[n].checked, n == 0);
  }
  EXPECT_EQ(menu.back().text, L"Exit");
}

TEST_F(MainWindowLanguage, AChoiceSpeaksAtOnceEverywhereAndIsKept) {
  const size_t draws = f_.windows.text.draws.size();
  Choose(kSimplifiedCommand);
  EXPECT_EQ(StrIni(L"Skins", L"Lan"), L"CHS");
  EXPECT_EQ(f_.windows.tray_tip, L"游戏鼠标设置");
  EXPECT_GT(f_.windows.text.draws.size(), draws) << "the shown page was drawn again";
  EXPECT_TRUE(Drawn(L"基本设置"));
  EXPECT_TRUE(f_.Visible());
  const std::vector<MenuItem> menu = Menu();
  EXPECT_EQ(menu.at(3).text, L"语言");
  EXPECT_TRUE(menu[3].submenu.at(1).checked);
  EXPECT_FALSE(menu[3].submenu.at(0).checked);
  EXPECT_EQ(menu.back().text, L"退出");

  Choose(kEnglishCommand);
  EXPECT_EQ(StrIni(L"Skins", L"Lan"), L"EN");
  EXPECT_EQ(f_.windows.tray_tip, L"Gaming Mouse Setting");
}

// The buttons keep their names in a language that had none, and an edit not yet applied is still
// there to apply or cancel.
TEST_F(MainWindowLanguage, KeyTextsFollowAndUnappliedEditsSurvive) {
  SettingsStore& settings = f_.dialog->settings();
  settings.current.record.report_rate_code = 8;
  settings.key_texts()[2] = L"Macro Key-Reload";
  Choose(kTraditionalCommand);
  EXPECT_EQ(settings.language, kTraditionalChinese);
  EXPECT_EQ(settings.current.record.report_rate_code, 8);
  EXPECT_EQ(settings.key_texts()[0], L"左鍵");
  EXPECT_EQ(settings.key_texts()[2], L"巨集-Reload");
  EXPECT_EQ(settings.snapshot.key_texts[kTraditionalChinese][2], L"中鍵");
  EXPECT_EQ(StrIni(L"Setting-CHT", L"Item3"), L"中鍵") << "str.ini keeps what was applied";
  EXPECT_EQ(settings.current.key_texts[kEnglish][2], L"Macro Key-Reload");

  Choose(kEnglishCommand);
  EXPECT_EQ(settings.key_texts()[2], L"Macro Key-Reload") << "English had texts of its own";
  f_.windows.Click(*f_.dialog, 700, 630);
  EXPECT_EQ(f_.bus.firmware(f_.mouse).memory().rate, 8);
}

TEST_F(MainWindowLanguage, ADialogOpenKeepsTheLanguageAndComesToTheFront) {
  bool ran = false;
  f_.windows.modal_scripts.push_back([&](Dialog& dialog) {
    ran = true;
    Choose(kSimplifiedCommand);
    EXPECT_EQ(StrIni(L"Skins", L"Lan"), L"EN");
    ASSERT_FALSE(f_.windows.brought_to_front.empty());
    EXPECT_EQ(f_.windows.brought_to_front.back(), dialog.window());
  });
  Choose(kTrayEditProfilesCommand);
  EXPECT_TRUE(ran);
  EXPECT_EQ(f_.dialog->settings().language, kEnglish);
}

}  // namespace
}  // namespace vx::test
