#include "settings/str_ini.h"

#include <gtest/gtest.h>

#include <set>

#include "support/memory_files.h"
#include "support/memory_profile.h"

namespace vx {
namespace {

constexpr wchar_t kStrIni[] = L"C:\\Mouse\\str.ini";

const std::array<std::wstring, kFunctionCount> kEnglishFunctions = {
    L"Left Click", L"Right Click", L"Mid Click", L"Forward",    L"Backward", L"Triple-click",
    L"DPI Switch", L"RGB On/Off",  L"Windows",   L"Multimedia", L"Fire Key", L"Single Key",
    L"Combo Key",  L"Macro Key",   L"Shift",     L"Key Off"};

struct StrIniFixture {
  test::MemoryProfile profile;
  test::MemoryFiles files;
  StrIni str{profile, files, kStrIni};

  std::wstring& Value(const std::wstring& section, const std::wstring& key) {
    return profile.values[{kStrIni, section, key}];
  }
};

TEST(KeyTextName, NumbersKeySetBFromThirteenInStepsOfTen) {
  const std::pair<size_t, const wchar_t*> names[] = {
      {0, L"Item1"},   {11, L"Item12"},  {12, L"Item13"},  {13, L"Item23"},
      {14, L"Item33"}, {22, L"Item113"}, {23, L"Item123"},
  };
  for (const auto& [index, name] : names) EXPECT_EQ(KeyTextName(index), name);
  std::set<std::wstring> all;
  for (size_t i = 0; i < kKeyTextCount; ++i) all.insert(KeyTextName(i));
  EXPECT_EQ(all.size(), kKeyTextCount);
  for (int n = 14; n <= 22; ++n) EXPECT_EQ(all.count(L"Item" + std::to_wstring(n)), 0u);
}

TEST(StrIni, SavesAll24TextsUnderTheLanguageSectionOnly) {
  StrIniFixture f;
  KeyTexts texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = L"T" + std::to_wstring(i);
  f.str.SaveKeyTexts(L"Setting-CHT", texts);
  EXPECT_EQ(f.profile.writes, 24);
  EXPECT_EQ(f.profile.values.size(), 24u);
  for (const auto& [key, value] : f.profile.values) EXPECT_EQ(std::get<1>(key), L"Setting-CHT");
  EXPECT_EQ(f.Value(L"Setting-CHT", L"Item23"), L"T13");
  EXPECT_EQ(f.str.LoadKeyTexts(L"Setting-CHT"), texts);
  EXPECT_EQ(f.str.LoadKeyTexts(L"Setting-EN"), KeyTexts{});
}

TEST(StrIni, CreatesTheFileAsUnicodeBeforeTheFirstWrite) {
  StrIniFixture f;
  f.str.SaveSkin({1, 2, 3}, L"Dark");
  EXPECT_EQ(f.files.files[kStrIni], (std::vector<uint8_t>{0xFF, 0xFE}));
  EXPECT_EQ(f.Value(L"Skins", L"RColor"), L"1");
  EXPECT_EQ(f.Value(L"Skins", L"BColor"), L"3");
  EXPECT_EQ(f.Value(L"Skins", L"Path"), L"Dark");
}

TEST(StrIni, LeavesAnExistingFileAsItIs) {
  StrIniFixture f;
  f.files.files[kStrIni] = {'[', 'S', ']'};
  f.str.SaveKeyTexts(L"Setting-EN", KeyTexts{});
  EXPECT_EQ(f.files.files[kStrIni], (std::vector<uint8_t>{'[', 'S', ']'}));
}

TEST(StrIni, ReadsTheSkinKeysAndTheLanguageAsTheyStand) {
  StrIniFixture f;
  f.Value(L"Skins", L"Lan") = L"chs";
  f.Value(L"Skins", L"GColor") = L"200";
  f.Value(L"Skins", L"Path") = L"Ember";
  EXPECT_EQ(f.str.LanguageCode(), L"chs");
  const SkinKeys keys = f.str.LoadSkinKeys();
  EXPECT_EQ(keys.green, L"200");
  EXPECT_EQ(keys.red, L"");
  EXPECT_EQ(keys.path, L"Ember");
  EXPECT_EQ(UiTextColourFrom(keys), (std::array<uint8_t, 3>{0, 200, 0}));
}

TEST(ColourByteFromText, TakesTheLeadingDigitsAndKeepsTheLowByte) {
  const std::pair<const wchar_t*, uint8_t> cases[] = {
      {L"", 0},
      {L"green", 0},
      {L"0", 0},
      {L"255", 255},
      {L"256", 0},
      {L"300", 44},
      {L" 12px", 12},
      {L"\t7", 7},
      {L"+9", 9},
      {L"-1", 255},
      {L"12 34", 12},
      {L"1e3", 1},
      {L"99999999999", 0xFF},  // saturates at INT_MAX
  };
  for (const auto& [text, byte] : cases) EXPECT_EQ(ColourByteFromText(text), byte) << text;
}

TEST(DefaultKeyTexts, MatchTheFactoryAssignmentInBothKeySets) {
  const KeyTexts texts = DefaultKeyTexts(kEnglishFunctions);
  const std::array<std::wstring, 12> expected = {
      L"Left Click", L"Right Click", L"Mid Click",
      L"Forward",    L"Backward",    L"DPI Loop",
      L"Fire Key",   L"Shift DPI",   L"Combo Key-left Win+D",
      L"RGB On/Off", L"Key Off",     L"Key Off"};
  for (size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(texts[i], expected[i]);
    EXPECT_EQ(texts[i + 12], expected[i]);
  }
}

}  // namespace
}  // namespace vx
