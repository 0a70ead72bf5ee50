#include "app/language_choice.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"

namespace vx {
namespace {

TEST(LanguageChoice, ChineseDisplayLanguagesByScriptAndRegion) {
  const std::pair<uint16_t, const wchar_t*> rows[] = {
      {0x0804, L"CHS"},  // China
      {0x1004, L"CHS"},  // Singapore
      {0x0004, L"CHS"},  // Simplified Chinese
      {0x0404, L"CHT"},  // Taiwan
      {0x0C04, L"CHT"},  // Hong Kong
      {0x1404, L"CHT"},  // Macao
      {0x7C04, L"CHT"},  // Traditional Chinese
      {0x0409, L"EN"},   {0x0407, L"EN"}, {0x0411, L"EN"}, {0x0000, L"EN"},
  };
  for (const auto& [id, code] : rows) {
    EXPECT_EQ(LanguageCodeForDisplayLanguage(id), code) << std::hex << id;
  }
}

// The download's str.ini names no language: the first start takes Windows' and keeps it; a
// language named, even one the program does not know, stays.
TEST(LanguageChoice, TheFirstStartSpeaksTheDisplayLanguageAndKeepsIt) {
  struct Case {
    std::optional<std::wstring> lan;
    uint16_t display;
    const wchar_t* title;
    const wchar_t* kept;
  };
  const Case cases[] = {{std::nullopt, 0x0804, L"基本设置", L"CHS"},
                        {std::nullopt, 0x0C04, L"基本設置", L"CHT"},
                        {std::nullopt, 0x0409, L"Basic Settings", L"EN"},
                        {L"chs", 0x0804, L"Basic Settings", L"chs"}};
  for (const Case& c : cases) {
    test::AppFixture f;
    f.AddMouse();
    f.AddConfig(1);
    if (c.lan) f.WriteStrIni(L"Skins", L"Lan", *c.lan);
    f.system.display_language = c.display;
    f.Start();
    EXPECT_EQ(f.dialog->texts().basic_settings, c.title);
    EXPECT_EQ(f.profile.GetString(test::kStrIniPath, L"Skins", L"Lan", L"-", 64), c.kept);
  }
}

}  // namespace
}  // namespace vx
