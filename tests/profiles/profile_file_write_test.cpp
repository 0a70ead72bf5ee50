#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "device/macro_slots.h"
#include "profiles/profile_file.h"
#include "profiles/profile_text.h"
#include "settings/config_file.h"
#include "settings/factory_settings.h"

namespace vx {
namespace {

using test::ReadText;

constexpr char kFactoryText[] = R"([Profile]
Format = 1
Name = Factory
Program = game.exe

[ReportRate]
ReportRateCode = 1

[Dpi]
DpiIndex = 1 4 7 10
DpiEnabled = 1 1 1 1
DpiColour = 255 40 40 40 230 110 40 140 255 255 190 30

[Lighting]
LightMode = 1
LightParam1 = 9
LightParam2 = 0
LightParam3 = 1
LightSub1 = 1
LightSub2 = 1
LightSub3 = 2

[Pointer]
PointerPrecision = 1
ScrollOneScreen = 0
MouseSpeedStep = 6
WheelScrollLines = 3
DoubleClickStep = 6

[KeySets]
CurrentKeySet = 0

[KeySetA]
Button1 = KeyType 0
Button2 = KeyType 1
Button3 = KeyType 2
Button4 = KeyType 3
Button5 = KeyType 4
Button6 = KeyType 6 KeyParam6 3
Button7 = KeyType 5
Button8 = KeyType 6 KeyParam6 4
Button9 = KeyType 12 ComboModifiers 8 ComboUsage1 7
Button10 = KeyType 7
Button11 = KeyType 15
Button12 = KeyType 15

[KeySetB]
Button1 = KeyType 0
Button2 = KeyType 1
Button3 = KeyType 2
Button4 = KeyType 3
Button5 = KeyType 4
Button6 = KeyType 6 KeyParam6 3
Button7 = KeyType 5
Button8 = KeyType 6 KeyParam6 4
Button9 = KeyType 12 ComboModifiers 8 ComboUsage1 7
Button10 = KeyType 7
Button11 = KeyType 15
Button12 = KeyType 15
)";

ProfileFile FactoryProfile() {
  ProfileFile file;
  file.name = L"Factory";
  file.programs = {L"game.exe"};
  file.setup.record = FactoryRecord();
  return file;
}

TEST(ProfileFileWrite, TheFactorySetupIsWrittenWhole) {
  EXPECT_EQ(WriteProfileFile(FactoryProfile()), kFactoryText);
}

// Reserved bytes only where they are not 0, repeat counts from the slots, a macro without items
// without one, key texts in UTF-8 and only where they are not empty.
TEST(ProfileFileWrite, ReservedBytesMacrosAndTextsFollowTheKeySets) {
  ProfileFile file = FactoryProfile();
  SettingsRecord& record = file.setup.record;
  record.unused_786 = 7;
  file.setup.macros = {{L"Reload", {L"R   Dn", L"1271 ms", L"R   Up"}}, {L"Empty", {}}};
  SetRepeatCount(MacroOf(record, 1), 300);
  CompileMacros(file.setup.macros, record);
  file.setup.key_texts[kSimplifiedChinese][12] = L"左键";
  file.setup.key_texts[kSimplifiedChinese][1] = L"Right Click";
  const std::string text = WriteProfileFile(file);
  const std::string tail = R"(Button12 = KeyType 15

[Reserved]
Unused786 = 7

[Macro1]
Name = Reload
Repeat = 300
Item = R   Dn
Item = 1271 ms
Item = R   Up

[Macro2]
Name = Empty

[KeyTexts.CHS]
A2 = Right Click
B1 = 左键
)";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

// A record of the fuzz corpus's config.bin files, as it stands in the file.
struct CorpusRecord {
  std::string name;
  SettingsRecord record;
};

std::vector<CorpusRecord> CorpusRecords() {
  std::vector<CorpusRecord> records;
  for (const auto& entry :
       std::filesystem::directory_iterator(VX_SOURCE_DIR "/fuzz/corpus/config_file")) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() != kConfigFileSize) continue;
    records.push_back({entry.path().filename().string(),
                       RecordFromBytes(std::span<const uint8_t, kSettingsRecordSize>(
                           bytes.data() + 1, kSettingsRecordSize))});
  }
  return records;
}

// The corpus record alone, and with macros compiled into it and texts in every language.
std::vector<ProfileFile> ProfilesOf(const SettingsRecord& record) {
  ProfileFile plain;
  plain.name = L"Corpus";
  plain.setup.record = record;
  ProfileFile full = plain;
  full.programs = {L"a.exe", L"游戏.exe"};
  full.setup.macros = {{L"Fire", {L"L-Button   Dn", L"20 ms", L"L-Button   Up", L"25599 ms"}},
                       {L"Empty", {}},
                       {L"宏", {L"Num 0   Up", L"0 ms", L"\\   Dn"}}};
  SetRepeatCount(MacroOf(full.setup.record, 1), 65535);
  SetRepeatCount(MacroOf(full.setup.record, 3), 2);
  CompileMacros(full.setup.macros, full.setup.record);
  for (size_t language = 0; language < kLanguageCount; ++language) {
    full.setup.key_texts[language][language] = L"Combo Key-left Win+D";
    full.setup.key_texts[language][23] = L"\U0001F600 = [x] ; # \"q\"";
  }
  return {plain, full};
}

TEST(ProfileFileWrite, EveryValidCorpusRecordReadsBackByteForByte) {
  const std::set<std::string> valid = {"package_config.bin", "profile_edges.bin"};
  size_t round_trips = 0;
  for (const CorpusRecord& corpus : CorpusRecords()) {
    SCOPED_TRACE(corpus.name);
    for (const ProfileFile& file : ProfilesOf(corpus.record)) {
      const ProfileFileRead read = ReadText(WriteProfileFile(file));
      if (!valid.count(corpus.name)) {
        EXPECT_FALSE(read.file) << "a record the pages cannot make is refused";
        continue;
      }
      ASSERT_TRUE(read.file) << read.error;
      EXPECT_EQ(RecordToBytes(read.file->setup.record), RecordToBytes(file.setup.record));
      EXPECT_EQ(read.file->setup.macros, file.setup.macros);
      EXPECT_EQ(read.file->setup.key_texts, file.setup.key_texts);
      EXPECT_EQ(*read.file, file);
      EXPECT_FALSE(ProfileWriteFault(file));
      ++round_trips;
    }
  }
  EXPECT_EQ(round_trips, 2 * valid.size());
}

TEST(ProfileFileWrite, ASetupThatWouldNotReadBackIsNamed) {
  ProfileFile file = FactoryProfile();
  file.setup.record.report_rate_code = 3;
  EXPECT_EQ(ProfileWriteFault(file),
            "its file would be refused: line 7: ReportRateCode takes 1, 2, 4 or 8, not 3");
  file = FactoryProfile();
  file.setup.macros = {{L"m1", {L"A   Dn"}}};
  SetRepeatCount(MacroOf(file.setup.record, 1), 1);  // and no events compiled
  EXPECT_EQ(ProfileWriteFault(file), "its record's macro slots do not hold its macros compiled");
}

}  // namespace
}  // namespace vx
