#include "setup/setup_files.h"

#include <gtest/gtest.h>

#include "settings/factory_settings.h"
#include "settings/ini_engine.h"
#include "support/link_fixture.h"
#include "support/memory_files.h"
#include "support/told_saves.h"

namespace vx {
namespace {

constexpr wchar_t kConfig[] = L"C:\\Mouse\\config.bin";
constexpr wchar_t kRecord[] = L"C:\\Mouse\\record.ini";
constexpr wchar_t kStr[] = L"C:\\Mouse\\str.ini";

struct SetupFixture {
  test::MemoryFiles files;
  IniProfileStore profile{files};
  test::RecordingMessages messages;
  test::ToldSaves told;
  test::RecordingDiagnostics diagnostics;
  SetupFiles setup{files, profile, messages, told.saves, diagnostics, {kConfig, kRecord, kStr, L"C:\\Mouse\\Profiles"}};
  SettingsStore store;

  SetupFixture() {
    const auto config = FactoryConfigFile();
    files.files[kConfig].assign(config.begin(), config.end());
  }
  void Put(const wchar_t* file, const std::wstring& section, const std::wstring& key,
           const std::wstring& value) {
    ASSERT_TRUE(profile.WriteString(file, section, key, value));
  }
  std::wstring Get(const wchar_t* file, const std::wstring& section, const std::wstring& key) {
    return profile.GetString(file, section, key, L"-", 1024);
  }
  std::wstring Sections(const wchar_t* file) {
    std::wstring names = profile.SectionNames(file, 1024);
    for (wchar_t& c : names) c = c == L'\0' ? L'|' : c;
    return names;
  }
};

// A down and an up of A with 50 ms between: (5, 04), (80, 04) after the repeat count 00 01.
TEST(SetupFiles, LoadCompilesRecordIniIntoTheSlotsAndReadsEveryLanguage) {
  SetupFixture f;
  f.Put(kRecord, L"m1", L"ItemCount", L"3");
  f.Put(kRecord, L"m1", L"Item0", L"A   Dn");
  f.Put(kRecord, L"m1", L"Item1", L"50 ms");
  f.Put(kRecord, L"m1", L"Item2", L"A   Up");
  f.Put(kRecord, L"m2", L"ItemCount", L"0");
  f.Put(kStr, L"Setting-EN", L"Item1", L"Left Click");
  f.Put(kStr, L"Setting-CHT", L"Item123", L"停用按鍵");
  f.setup.Load(f.store);
  const Profile& setup = f.store.current;
  ASSERT_EQ(setup.macros.size(), 2u);
  EXPECT_EQ(setup.macros[0], (Macro{L"m1", {L"A   Dn", L"50 ms", L"A   Up"}}));
  EXPECT_EQ(setup.macros[1], (Macro{L"m2", {}}));
  SettingsRecord record = setup.record;
  const std::vector<uint8_t> slot(MacroOf(record, 1).begin(), MacroOf(record, 1).begin() + 7);
  EXPECT_EQ(slot, (std::vector<uint8_t>{0x00, 0x01, 0x05, 0x04, 0x80, 0x04, 0x00}));
  EXPECT_EQ(setup.key_texts[kEnglish][0], L"Left Click");
  EXPECT_EQ(setup.key_texts[kTraditionalChinese][23], L"停用按鍵");
  EXPECT_EQ(setup.key_texts[kSimplifiedChinese][0], L"");
  EXPECT_EQ(f.store.snapshot, setup);
}

// The shown language's section is saved; the others stay as the user's file has them.
TEST(SetupFiles, SaveWritesEveryFileAndOnlyTheShownLanguage) {
  SetupFixture f;
  f.Put(kRecord, L"old", L"ItemCount", L"0");
  f.Put(kStr, L"Setting-CHS", L"Item1", L"左键");
  f.setup.Load(f.store);
  f.store.language = kTraditionalChinese;
  f.store.current.macros = {{L"b", {L"A   Dn"}}, {L"a", {}}};
  f.store.key_texts()[0] = L"左鍵";
  f.store.current.key_texts[kSimplifiedChinese][0] = L"changed";
  f.store.current.record.report_rate_code = 8;
  f.setup.Save(f.store);
  EXPECT_EQ(f.files.files[kConfig][1926], 8);
  EXPECT_EQ(f.Sections(kRecord), L"b|a||") << "only the macros, in slot order";
  EXPECT_EQ(f.Get(kRecord, L"b", L"Item0"), L"A   Dn");
  EXPECT_EQ(f.Get(kStr, L"Setting-CHT", L"Item1"), L"左鍵");
  EXPECT_EQ(f.Get(kStr, L"Setting-CHS", L"Item1"), L"左键");
  EXPECT_TRUE(f.told.messages.shown.empty());
}

// A profile that takes the program over brings every language; one without texts for a language
// leaves no stale section behind.
TEST(SetupFiles, SaveWholeReplacesEveryLanguage) {
  SetupFixture f;
  f.Put(kStr, L"Skins", L"Path", L"Emerald");
  f.Put(kStr, L"Setting-CHS", L"Item1", L"左键");
  f.setup.Load(f.store);
  f.store.current.key_texts[kEnglish][0] = L"Mine";
  f.store.current.key_texts[kSimplifiedChinese] = {};
  f.store.current.key_texts[kTraditionalChinese][1] = L"右鍵";
  f.setup.SaveWhole(f.store);
  EXPECT_EQ(f.Sections(kStr), L"Skins|Setting-EN|Setting-CHT||");
  EXPECT_EQ(f.Get(kStr, L"Setting-EN", L"Item1"), L"Mine");
  EXPECT_EQ(f.Get(kStr, L"Setting-CHT", L"Item2"), L"右鍵");
  EXPECT_EQ(f.Get(kStr, L"Skins", L"Path"), L"Emerald");
}

TEST(SetupFiles, AMacroSaveThatFailsIsToldWithItsFile) {
  SetupFixture f;
  f.files.create_error = 13;
  EXPECT_EQ(f.setup.SaveMacros({{L"m1", {}}}), 13u);
  EXPECT_EQ(f.told.messages.shown,
            std::vector<std::wstring>{L"NULL ==fp |Error Code is: 13 \n" + std::wstring(kRecord) +
                                      L" was not saved: error 13\n"});
}

}  // namespace
}  // namespace vx
