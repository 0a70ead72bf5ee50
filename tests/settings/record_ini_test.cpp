#include "settings/record_ini.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/ini_engine.h"
#include "support/memory_files.h"

namespace vx {
namespace {

constexpr wchar_t kPath[] = L"C:\\Games\\Mouse\\record.ini";

TEST(RecordIni, OnlyNamesEndingWithinTheFirst255CharactersAreListed) {
  const std::wstring a(100, L'a'), b(150, L'b'), c(10, L'c');
  // "a" runs 0..99, "b" 101..250 and ends within, "c" starts at 252 and ends beyond 255.
  EXPECT_EQ(SectionNamesWithin255(a + L'\0' + b + L'\0' + c + L'\0' + L'\0'),
            (std::vector<std::wstring>{a, b}));
  EXPECT_EQ(SectionNamesWithin255(std::wstring(L"x\0y\0\0", 5)),
            (std::vector<std::wstring>{L"x", L"y"}));
  EXPECT_EQ(SectionNamesWithin255(std::wstring(255, L'e') + L'\0' + L"f" + L'\0'),
            (std::vector<std::wstring>{std::wstring(255, L'e')}));
  EXPECT_TRUE(SectionNamesWithin255(std::wstring(256, L'e') + L'\0').empty());
  EXPECT_TRUE(SectionNamesWithin255(std::wstring(L"\0", 1)).empty());
  EXPECT_TRUE(SectionNamesWithin255(L"").empty());
}

class RecordIniTest : public ::testing::Test {
 protected:
  test::MemoryFiles files_;
  IniProfileStore profile_{files_};
  RecordIni record_{profile_, files_, kPath};
};

TEST_F(RecordIniTest, RewritingAMacroKeepsItsPlaceAndDropsTheItemsBeyondItsCount) {
  record_.WriteItems(L"m1", {L"A   Dn", L"50 ms", L"A   Up"});
  record_.WriteItems(L"m2", {L"B   Dn"});
  record_.WriteItems(L"m3", {});
  record_.WriteItems(L"m1", {L"C   Dn"});
  EXPECT_EQ(record_.MacroNames(), (std::vector<std::wstring>{L"m1", L"m2", L"m3"}));
  EXPECT_EQ(record_.Items(L"m1"), (std::vector<std::wstring>{L"C   Dn"}));
  EXPECT_EQ(profile_.GetString(kPath, L"m1", L"Item2", L"gone", 64), L"gone");
  record_.DeleteMacro(L"m2");
  EXPECT_EQ(record_.MacroNames(), (std::vector<std::wstring>{L"m1", L"m3"}));
  EXPECT_TRUE(record_.Items(L"m2").empty());
}

TEST_F(RecordIniTest, ANewFileIsMadeUnicodeSoChineseNamesSurvive) {
  record_.WriteItems(L"连招", {L"A   Dn"});
  const auto& bytes = files_.files[kPath];
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  EXPECT_EQ(record_.MacroNames(), std::vector<std::wstring>{L"连招"});
}

TEST_F(RecordIniTest, OnlyTwelveMacrosAndNoRunawayCounts) {
  for (int i = 1; i <= 14; ++i) record_.WriteItems(L"m" + std::to_wstring(i), {});
  const auto names = record_.MacroNames();
  ASSERT_EQ(names.size(), 12u);
  EXPECT_EQ(names.back(), L"m12");
  profile_.WriteString(kPath, L"m1", L"ItemCount", L"2000000000");
  EXPECT_EQ(record_.Items(L"m1").size(), 1024u);
  profile_.WriteString(kPath, L"m1", L"ItemCount", L"-3");
  EXPECT_TRUE(record_.Items(L"m1").empty());
  profile_.WriteString(kPath, L"m1", L"ItemCount", L"two");
  EXPECT_TRUE(record_.Items(L"m1").empty());
}

TEST_F(RecordIniTest, ANameRepeatedInAnotherCaseIsOneMacro) {
  const std::string text = "[m1]\r\nItemCount=1\r\nItem0=A   Dn\r\n[M1]\r\nItemCount=0\r\n[m2]\r\n";
  files_.files[kPath].assign(text.begin(), text.end());
  EXPECT_EQ(record_.MacroNames(), (std::vector<std::wstring>{L"m1", L"m2"}));
  const std::vector<Macro> macros = record_.Load();
  ASSERT_EQ(record_.WriteAll(macros), 0u);
  EXPECT_EQ(record_.Load(), macros);
}

// Each change goes to a fresh copy that takes the file's place once: a crash in the middle
// leaves the old record.ini, never a macro with half its items.
TEST_F(RecordIniTest, EachChangeReplacesTheFileInOneStepAndLeavesNoCopy) {
  EXPECT_EQ(record_.WriteItems(L"m1", {L"A   Dn", L"50 ms", L"A   Up"}), 0u);
  EXPECT_EQ(record_.WriteItems(L"m2", {L"B   Dn"}), 0u);
  EXPECT_EQ(record_.DeleteMacro(L"m1"), 0u);
  EXPECT_EQ(std::count(files_.put_in_place.begin(), files_.put_in_place.end(), std::wstring(kPath)),
            3);
  ASSERT_EQ(files_.files.size(), 1u) << "no copy is left behind";
  EXPECT_EQ(files_.files.begin()->first, kPath);
  EXPECT_EQ(record_.MacroNames(), std::vector<std::wstring>{L"m2"});
}

TEST_F(RecordIniTest, DeletingFromAMissingFileMakesNoFile) {
  EXPECT_EQ(record_.DeleteMacro(L"m1"), 0u);
  EXPECT_TRUE(files_.files.empty());
}

TEST_F(RecordIniTest, AChangeThatFailsLeavesTheFileAsItWas) {
  ASSERT_EQ(record_.WriteItems(L"m1", {L"A   Dn", L"A   Up"}), 0u);
  const std::vector<uint8_t> before = files_.files[kPath];
  // The third call on the copy fails, as on a disk that fills up half-way.
  files_.replacements = 0;
  files_.replacements_before_failure = 2;
  EXPECT_EQ(record_.WriteItems(L"m1", {L"B   Dn", L"B   Up", L"C   Dn"}), 28u);
  EXPECT_EQ(files_.files[kPath], before);
  files_.replacements_before_failure = -1;
  files_.create_error = 13;  // a read-only folder
  EXPECT_EQ(record_.DeleteMacro(L"m1"), 13u);
  EXPECT_EQ(files_.files[kPath], before);
  EXPECT_EQ(files_.files.size(), 1u);
  EXPECT_EQ(record_.Items(L"m1"), (std::vector<std::wstring>{L"A   Dn", L"A   Up"}));
}

}  // namespace
}  // namespace vx
