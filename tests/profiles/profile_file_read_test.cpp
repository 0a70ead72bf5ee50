#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "profiles/profile_file.h"
#include "profiles/profile_text.h"
#include "settings/factory_settings.h"

namespace vx {
namespace {

using test::ReadText;

// Every kind of line and section, values at the edges of their ranges; what it omits is factory.
constexpr char kHandMade[] = R"(# A profile written by hand
[Profile]
Format = 1
Name = Arena
Program = game.exe
Program = Other Game.EXE

[ReportRate]
ReportRateCode = 4

[Dpi]
DpiIndex = 0 3 6 11
DpiEnabled = 1 0 1 1
DpiColour = 1 2 3 4 5 6 7 8 9 10 11 12

[Lighting]
LightMode = 3
LightParam3 = 29
LightSub3 = 3

[Pointer]
ScrollOneScreen = 1
MouseSpeedStep = 11
WheelScrollLines = 200

[KeySets]
CurrentKeySet = 1

[KeySetA]
Button1 = KeyType 0
Button2 = KeyType 9 MediaIndex 3 MediaUsage 205
Button3 = KeyType 10 FireIndex 54 FireUsage 240 FireSpeed 34 FireTimes 3
Button4 = KeyType 8 WindowsIndex 4 WindowsUsageLow 33 WindowsUsageHigh 2
Button5 = KeyType 13 MacroIndex 1 MacroRepeat 2
Button6 = KeyType 7
Button12 = KeyType 11 SingleUsage 41

[KeySetB]
Button9 = KeyType 12 ComboModifiers 2 ComboUsage1 4 ComboUsage2 5

[Reserved]
Unused780 = 1 2 3 4 5
Unused7A2 = 9

[Macro1]
Name = Reload
Repeat = 300
Item = R   Dn
Item = 1271 ms
Item = R   Up

[Macro2]
Name = Jump
Item = Space   Dn
Item = 50 ms
Item = Space   Up

[KeyTexts.EN]
A2 = Multimedia-Play/Pause
B12 = Key Off

[KeyTexts.CHT]
A1 = 左鍵
)";

TEST(ProfileFileRead, AHandMadeFileGivesTheRecordByteForByte) {
  const ProfileFileRead read = ReadText(kHandMade);
  ASSERT_TRUE(read.file) << read.error;
  // The factory record's bytes, with what the file sets at offsets worked out by hand.
  auto expected = RecordToBytes(FactoryRecord());
  const std::vector<std::pair<size_t, std::vector<uint8_t>>> set = {
      {0x000, {0, 9, 10, 8, 13, 7}},  // KeyType A1..A6; A7..A11 stay factory
      {0x00B, {11}},                  // KeyType A12
      {0x00D, {3}},                   // MediaIndex A2
      {0x019, {205}},                 // MediaUsage A2
      {0x027, {4}},                   // WindowsIndex A4
      {0x033, {0x21}},                // WindowsUsageLow A4
      {0x03F, {2}},                   // WindowsUsageHigh A4
      {0x04A, {54}},                  // FireIndex A3
      {0x056, {0xF0}},                // FireUsage A3
      {0x062, {34}},                  // FireSpeed A3
      {0x06E, {3}},                   // FireTimes A3
      {0x083, {41}},                  // SingleUsage A12
      {0x0AC, {1}},                   // MacroIndex A5
      {0x0B8, {2}},                   // MacroRepeat A5
      {0x0C8, {12}},                  // KeyType B9
      {0x14C, {2}},                   // ComboModifiers B9
      {0x158, {4}},                   // ComboUsage1 B9
      {0x164, {5}},                   // ComboUsage2 B9
      // Slot 1: repeat 300, R down then 1271 ms (71, R, 12, 3), R up with no delay after it.
      {0x180, {0x01, 0x2C, 71, 0x15, 12, 3, 0x80, 0x15}},
      // Slot 2: repeat 1 for a file without one, Space down 50 ms, Space up.
      {0x200, {0x00, 0x01, 5, 0x2C, 0x80, 0x2C}},
      {0x780, {1, 2, 3, 4, 5, 4}},         // Unused780, ReportRateCode
      {0x787, {0, 3, 6, 11, 1, 0, 1, 1}},  // DpiIndex, DpiEnabled
      {0x78F, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {0x79B, {3}},           // LightMode
      {0x79E, {29}},          // LightParam3
      {0x7A1, {3, 9}},        // LightSub3, Unused7A2
      {0x7A4, {1, 11, 200}},  // ScrollOneScreen, MouseSpeedStep, WheelScrollLines
      {0x7A8, {1}},           // CurrentKeySet
      {0x7AE, {0}},           // KeyParam6 A6, factory 3: the fields a line leaves out are 0
  };
  for (const auto& [offset, bytes] : set) {
    std::copy(bytes.begin(), bytes.end(), expected.begin() + static_cast<ptrdiff_t>(offset));
  }
  const auto got = RecordToBytes(read.file->setup.record);
  for (size_t at = 0; at < got.size(); ++at) {
    EXPECT_EQ(int(got[at]), int(expected[at])) << "at offset " << std::hex << at;
  }
}

TEST(ProfileFileRead, AHandMadeFileGivesItsNameProgramsMacrosAndTexts) {
  const ProfileFileRead read = ReadText(kHandMade);
  ASSERT_TRUE(read.file) << read.error;
  EXPECT_EQ(read.file->name, L"Arena");
  EXPECT_EQ(read.file->programs, (std::vector<std::wstring>{L"game.exe", L"Other Game.EXE"}));
  const std::vector<Macro> macros = {{L"Reload", {L"R   Dn", L"1271 ms", L"R   Up"}},
                                     {L"Jump", {L"Space   Dn", L"50 ms", L"Space   Up"}}};
  EXPECT_EQ(read.file->setup.macros, macros);
  KeyTexts english{};
  english[1] = L"Multimedia-Play/Pause";
  english[23] = L"Key Off";
  KeyTexts traditional{};
  traditional[0] = L"左鍵";
  EXPECT_EQ(read.file->setup.key_texts[kEnglish], english);
  EXPECT_EQ(read.file->setup.key_texts[kSimplifiedChinese], KeyTexts{});
  EXPECT_EQ(read.file->setup.key_texts[kTraditionalChinese], traditional);
}

// A file as an editor on another system leaves it: a byte-order mark, CRLF, tabs, no spaces
// around "=", comments of both kinds, blanks inside a header.
TEST(ProfileFileRead, LayoutDoesNotChangeWhatIsRead) {
  std::string text = kHandMade;
  text = std::regex_replace(text, std::regex(" = "), "=");
  text = std::regex_replace(text, std::regex("\n"), "\r\n");
  text = std::regex_replace(text, std::regex("\\[Dpi\\]"), "\t[ Dpi ]  ");
  text = std::regex_replace(text, std::regex("Name=Arena"), "Name\t=  Arena\t\r\n  ; the name");
  text = "\xEF\xBB\xBF\r\n" + text;
  const ProfileFileRead plain = ReadText(kHandMade);
  const ProfileFileRead edited = ReadText(text);
  ASSERT_TRUE(edited.file) << edited.error;
  EXPECT_EQ(*edited.file, *plain.file);
}

TEST(ProfileFileRead, AProfileIsToldFromOtherFilesByItsFirstHeader) {
  const std::pair<std::string, bool> cases[] = {
      {"[Profile]\nName = x\n", true},
      {"\xEF\xBB\xBF# mine\r\n\r\n; also\n  [ Profile ]\n", true},
      {"[Profile", true},  // meant as one, refused by its line
      {"[Dpi]\n[Profile]\n", false},
      {"Format = 1\n[Profile]\n", false},
      {std::string("\x01\0\0[Profile]", 12), false},  // a config.bin starts with its flag
      {"", false},
      {"# [Profile]\n", false},
  };
  for (const auto& [text, profile] : cases) {
    EXPECT_EQ(LooksLikeProfileFile(test::Bytes(text)), profile) << text;
  }
}

}  // namespace
}  // namespace vx
