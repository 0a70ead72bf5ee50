#include "settings/str_ini.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "settings/ini_engine.h"
#include "support/link_fixture.h"
#include "support/memory_files.h"
#include "support/told_saves.h"

namespace vx {
namespace {

constexpr wchar_t kStrIni[] = L"C:\\Mouse\\str.ini";

const std::array<std::wstring, kFunctionCount> kEnglishFunctions = {
    L"Left Click", L"Right Click", L"Mid Click", L"Forward",    L"Backward", L"Triple-click",
    L"DPI Switch", L"RGB On/Off",  L"Windows",   L"Multimedia", L"Fire Key", L"Single Key",
    L"Combo Key",  L"Macro Key",   L"Shift",     L"Key Off"};

// str.ini in memory behind the INI engine, as the system would keep it.
struct StrIniFixture {
  test::MemoryFiles files;
  IniProfileStore profile{files};
  test::ToldSaves told;
  test::RecordingMessages& messages = told.messages;
  StrIni str{profile, files, told.saves, kStrIni};

  std::wstring Value(const std::wstring& section, const std::wstring& key) {
    return profile.GetString(kStrIni, section, key, L"-", kProfileBufferChars);
  }
  void Put(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    ASSERT_TRUE(profile.WriteString(kStrIni, section, key, value));
  }
  std::vector<std::wstring> Sections() {
    std::vector<std::wstring> names;
    const std::wstring list = profile.SectionNames(kStrIni, 1024);
    for (size_t at = 0; at < list.size() && list[at] != L'\0';) {
      const size_t end = list.find(L'\0', at);
      names.push_back(list.substr(at, end - at));
      at = end + 1;
    }
    return names;
  }
  // The names of the files there are, to see that no temporary copy is left behind.
  std::vector<std::wstring> FileNames() const {
    std::vector<std::wstring> names;
    for (const auto& [name, bytes] : files.files) names.push_back(name);
    return names;
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
  EXPECT_EQ(f.str.SaveKeyTexts(L"Setting-CHT", texts), 0u);
  EXPECT_EQ(f.Sections(), std::vector<std::wstring>{L"Setting-CHT"});
  EXPECT_EQ(f.Value(L"Setting-CHT", L"Item23"), L"T13");
  EXPECT_EQ(f.str.LoadKeyTexts(L"Setting-CHT"), texts);
  EXPECT_EQ(f.str.LoadKeyTexts(L"Setting-EN"), KeyTexts{});
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(StrIni, CreatesTheFileAsUnicode) {
  StrIniFixture f;
  EXPECT_EQ(f.str.SaveSkin({1, 2, 3}, L"Dark"), 0u);
  const auto& bytes = f.files.files[kStrIni];
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  EXPECT_EQ(f.Value(L"Skins", L"RColor"), L"1");
  EXPECT_EQ(f.Value(L"Skins", L"BColor"), L"3");
  EXPECT_EQ(f.Value(L"Skins", L"Path"), L"Dark");
}

TEST(StrIni, AnExistingFileKeepsItsEncodingAndEverythingElseInIt) {
  StrIniFixture f;
  const std::string before = "[S]\r\nk=v\r\n";
  f.files.files[kStrIni].assign(before.begin(), before.end());
  EXPECT_EQ(f.str.SaveKeyTexts(L"Setting-EN", KeyTexts{}), 0u);
  const std::string after(f.files.files[kStrIni].begin(), f.files.files[kStrIni].end());
  EXPECT_EQ(after.substr(0, before.size()), before) << "no byte-order mark is added";
  EXPECT_EQ(f.Value(L"S", L"k"), L"v");
  EXPECT_EQ(f.Value(L"Setting-EN", L"Item123"), L"");
}

// The profile calls go to a fresh copy, and the copy takes the file's place once, at the end:
// a crash in the middle leaves the old file, never half of the new texts.
TEST(StrIni, EachSaveReplacesTheFileInOneStepAndLeavesNoCopy) {
  StrIniFixture f;
  f.Put(L"Skins", L"Path", L"Emerald");
  const int replacements = f.files.replacements;
  KeyTexts texts;
  texts.fill(L"x");
  EXPECT_EQ(f.str.SaveKeyTexts(L"Setting-EN", texts), 0u);
  // The engine itself also replaces the copy once per changed key, never the file.
  EXPECT_EQ(std::count(f.files.put_in_place.begin() + replacements, f.files.put_in_place.end(),
                       std::wstring(kStrIni)),
            1);
  EXPECT_EQ(f.FileNames(), std::vector<std::wstring>{kStrIni});
  EXPECT_EQ(f.str.SaveSkin({4, 5, 6}, L"Cobalt"), 0u);
  EXPECT_EQ(
      std::count(f.files.put_in_place.begin(), f.files.put_in_place.end(), std::wstring(kStrIni)),
      3);
  EXPECT_EQ(f.FileNames(), std::vector<std::wstring>{kStrIni});
}

// A read-only folder, a full disk, a write that fails half-way, a str.ini that is a folder:
// each save is told once, with the system's code, as config.bin's failed save is, and leaves
// str.ini as it was.
TEST(StrIni, ASaveThatFailsIsToldOnceAndLeavesTheFileAsItWas) {
  struct Fault {
    const char* name;
    void (*make)(test::MemoryFiles&);
    uint32_t code;
  };
  const Fault faults[] = {
      {"read-only folder", [](test::MemoryFiles& files) { files.create_error = 13; }, 13},
      {"full disk", [](test::MemoryFiles& files) { files.replace_error = 112; }, 112},
      {"a write half-way", [](test::MemoryFiles& files) { files.replacements_before_failure = 3; },
       28},
      {"unreadable", [](test::MemoryFiles& files) { files.read_fails = true; }, 5},
  };
  for (const Fault& fault : faults) {
    for (const bool skin : {false, true}) {
      SCOPED_TRACE(std::string(fault.name) + (skin ? ", skin" : ", key texts"));
      StrIniFixture f;
      f.Put(L"Skins", L"Path", L"Emerald");
      f.Put(L"Setting-EN", L"Item1", L"Left Click");
      const std::vector<uint8_t> before = f.files.files[kStrIni];
      f.files.replacements = 0;
      fault.make(f.files);
      KeyTexts texts;
      texts.fill(L"changed");
      const uint32_t error =
          skin ? f.str.SaveSkin({1, 2, 3}, L"Cobalt") : f.str.SaveKeyTexts(L"Setting-EN", texts);
      EXPECT_EQ(error, fault.code);
      const std::wstring code = std::to_wstring(fault.code);
      EXPECT_EQ(f.messages.shown,
                std::vector<std::wstring>{L"NULL ==fp |Error Code is: " + code + L" \n" + kStrIni +
                                          L" was not saved: error " + code + L"\n"});
      EXPECT_EQ(f.files.files[kStrIni], before);
      EXPECT_EQ(f.FileNames(), std::vector<std::wstring>{kStrIni});
    }
  }
}

TEST(StrIni, AStrIniThatIsNoFileIsNeverReplaced) {
  StrIniFixture f;
  f.files.not_files.insert(kStrIni);
  EXPECT_EQ(f.str.SaveSkin({1, 2, 3}, L"Cobalt"), 22u);
  EXPECT_EQ(f.messages.shown,
            std::vector<std::wstring>{L"NULL ==fp |Error Code is: 22 \n" + std::wstring(kStrIni) +
                                      L" was not saved: error 22\n"});
  EXPECT_TRUE(f.files.files.empty());
  EXPECT_EQ(f.str.LoadSkinKeys().path, L"");
}

TEST(StrIni, ReadsTheSkinKeysAndTheLanguageAsTheyStand) {
  StrIniFixture f;
  f.Put(L"Skins", L"Lan", L"chs");
  f.Put(L"Skins", L"GColor", L"200");
  f.Put(L"Skins", L"Path", L"Ember");
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
