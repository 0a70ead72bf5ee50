#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "profiles/profile_file.h"
#include "profiles/profile_text.h"

namespace vx {
namespace {

using test::ReadText;

// A good file, line by line; each refusal changes one line (or adds lines at the end).
const std::vector<std::string> kBaseLines = {
    "[Profile]",                          // 1
    "Format = 1",                         // 2
    "Name = Base",                        // 3
    "Program = game.exe",                 // 4
    "",                                   // 5
    "[Dpi]",                              // 6
    "DpiIndex = 1 4 7 10",                // 7
    "DpiEnabled = 1 1 1 1",               // 8
    "",                                   // 9
    "[KeySetA]",                          // 10
    "Button1 = KeyType 0",                // 11
    "Button5 = KeyType 13 MacroIndex 0",  // 12
    "",                                   // 13
    "[Macro1]",                           // 14
    "Name = m1",                          // 15
    "Repeat = 1",                         // 16
    "Item = A   Dn",                      // 17
    "Item = 50 ms",                       // 18
    "Item = A   Up",                      // 19
    "",                                   // 20
    "[KeyTexts.EN]",                      // 21
    "A1 = Left Click",                    // 22
};
constexpr size_t kAtEnd = 0;

// The base file with line `line` (from 1) replaced by `text`, or `text` added at the end.
std::string Changed(size_t line, const std::string& text) {
  std::string file;
  for (size_t i = 0; i < kBaseLines.size(); ++i) {
    file += (i + 1 == line ? text : kBaseLines[i]) + "\n";
  }
  if (line == kAtEnd) file += text + "\n";
  return file;
}

std::string Repeated(const std::string& line, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += (i == 0 ? "" : "\n") + line;
  return text;
}

// Nine macros whose 31-character names take 288 of record.ini's 255 listed characters.
std::string LongNamedMacros() {
  std::string text;
  for (int macro = 2; macro <= 9; ++macro) {
    text += "[Macro" + std::to_string(macro) + "]\nName = " + std::string(30, 'a') +
            std::to_string(macro) + (macro < 9 ? "\n" : "");
  }
  return "Name = " + std::string(31, 'm') + "\n" + text;
}

TEST(ProfileFileRefusal, TheBaseFileReads) {
  const ProfileFileRead read = ReadText(Changed(kAtEnd, ""));
  EXPECT_TRUE(read.file) << read.error;
}

TEST(ProfileFileRefusal, EveryRefusalNamesItsLineAndProblem) {
  struct Case {
    size_t line;
    std::string text;
    std::string error;
  };
  const std::string forbidden_long(32, 'n');
  const Case cases[] = {
      // Lines that are no lines of a profile.
      {7, "DpiIndex = 1 4 7 10\x01", "line 7: a control character; only tabs may stand in a line"},
      {7, "DpiIndex = 1 4 7 \r10", "line 7: a control character; only tabs may stand in a line"},
      {7, "DpiIndex = \xff", "line 7: not UTF-8 text"},
      {7, "DpiIndex = \xC0\xAF", "line 7: not UTF-8 text"},      // overlong '/'
      {7, "DpiIndex = \xED\xA0\x80", "line 7: not UTF-8 text"},  // a surrogate
      {7, "DpiIndex 1 4 7 10", "line 7: expected Key = Value, a [Section] or a comment"},
      {7, "= 1", "line 7: a key is missing before ="},
      {6, "[Dpi", "line 6: a section header needs its closing ]"},
      {6, "[Dpi] x", "line 6: a section header needs its closing ]"},
      {6, "[ ]", "line 6: a section header needs a name"},
      // Sections and keys.
      {1, "Name = x", "line 1: a profile file begins with [Profile]"},
      {1, "# first\n[Dpi]", "line 2: a profile file begins with [Profile]"},
      {6, "[Dpis]", "line 6: unknown section [Dpis]"},
      {6, "[dpi]", "line 6: unknown section [dpi]"},
      {kAtEnd, "[Dpi]", "line 23: [Dpi] appears twice, first on line 6"},
      {kAtEnd, "[Macro13]", "line 23: unknown section [Macro13]"},
      {kAtEnd, "[Macro3]",
       "line 23: [Macro3] comes before [Macro2]; macros are numbered in order "
       "from 1"},
      {kAtEnd, "[KeyTexts.FR]", "line 23: unknown section [KeyTexts.FR]"},
      {7, "DpiIndx = 1", "line 7: unknown key 'DpiIndx' in [Dpi]"},
      {7, "DpiIndex = 1 4 7 10\nDpiIndex = 1 4 7 10",
       "line 8: DpiIndex appears twice in [Dpi], first on line 7"},
      {3, "Name = Base\nName = Other", "line 4: Name appears twice in [Profile], first on line 3"},
      {3, "Name = Base\nColour = 1", "line 4: unknown key 'Colour' in [Profile]"},
      // [Profile]
      {2, "Format = 2", "line 2: Format is '2', but this program reads Format 1 only"},
      {2, "", "line 1: [Profile] needs Format = 1"},
      {3, "", "line 1: [Profile] needs a Name"},
      {3, "Name =", "line 3: Name is blank"},
      {3, "Name = a/b", "line 3: Name holds the character '/'"},
      {3, "Name = a|b", "line 3: Name holds the character '|'"},
      {3, "Name = a\tb", "line 3: Name holds a control character"},
      {3, "Name = " + forbidden_long, "line 3: Name is longer than 31 characters"},
      {3, "Name = \xF0\x9F\x98\x80" + std::string(30, 'n'),  // a pair of UTF-16 units and 30
       "line 3: Name is longer than 31 characters"},
      {4, "Program = c:game.exe", "line 4: Program holds the character ':'"},
      {4, "Program = " + std::string(261, 'p'), "line 4: Program is longer than 260 characters"},
      {4, "Program = game.exe\nProgram = GAME.EXE",
       "line 5: Program 'GAME.EXE' is named already on line 4"},
      {4, "Program = \xC3\x89t\xC3\xA9.exe\nProgram = \xC3\xA9T\xC3\x89.EXE",  // Été, éTÉ
       "line 5: Program '\xC3\xA9T\xC3\x89.EXE' is named already on line 4"},
      // Record fields.
      {7, "DpiIndex = 1 4 7", "line 7: DpiIndex needs 4 numbers from 0 to 255"},
      {7, "DpiIndex = 1 4 7 10 13", "line 7: DpiIndex needs 4 numbers from 0 to 255"},
      {7, "DpiIndex = 1 4 7 256", "line 7: DpiIndex needs 4 numbers from 0 to 255"},
      {7, "DpiIndex = 1 4 7 -1", "line 7: DpiIndex needs 4 numbers from 0 to 255"},
      {7, "DpiIndex = 1,4,7,10", "line 7: DpiIndex needs 4 numbers from 0 to 255"},
      {7, "DpiIndex = 1 4 7 12", "line 7: DpiIndex takes 0 to 11, not 12"},
      {8, "DpiEnabled = 1 2 1 1", "line 8: DpiEnabled takes 0 or 1, not 2"},
      {8, "DpiEnabled = 0 0 0 0", "line 8: DpiEnabled turns every stage off; one stays on"},
      {kAtEnd, "[ReportRate]\nReportRateCode = 3",
       "line 24: ReportRateCode takes 1, 2, 4 or 8, not 3"},
      {kAtEnd, "[ReportRate]\nReportRateCode = 1 2",
       "line 24: ReportRateCode needs a number from 0 to 255"},
      {kAtEnd, "[Lighting]\nLightMode = 0", "line 24: LightMode takes 1 to 3, not 0"},
      {kAtEnd, "[Lighting]\nLightParam1 = 10", "line 24: LightParam1 takes 0 to 9, not 10"},
      {kAtEnd, "[Lighting]\nLightParam2 = 5", "line 24: LightParam2 takes 0 to 4, not 5"},
      {kAtEnd, "[Lighting]\nLightParam3 = 30", "line 24: LightParam3 takes 0 to 29, not 30"},
      {kAtEnd, "[Lighting]\nLightSub1 = 2", "line 24: LightSub1 takes 1, not 2"},
      {kAtEnd, "[Lighting]\nLightSub2 = 3", "line 24: LightSub2 takes 1 or 2, not 3"},
      {kAtEnd, "[Lighting]\nLightSub3 = 1", "line 24: LightSub3 takes 2 or 3, not 1"},
      {kAtEnd, "[Pointer]\nMouseSpeedStep = 12", "line 24: MouseSpeedStep takes 1 to 11, not 12"},
      {kAtEnd, "[Pointer]\nDoubleClickStep = 0", "line 24: DoubleClickStep takes 1 to 11, not 0"},
      {kAtEnd, "[Pointer]\nPointerPrecision = 2", "line 24: PointerPrecision takes 0 or 1, not 2"},
      {kAtEnd, "[KeySets]\nCurrentKeySet = 2", "line 24: CurrentKeySet takes 0 or 1, not 2"},
      {kAtEnd, "[Reserved]\nUnused780 = 1 2 3", "line 24: Unused780 needs 5 numbers from 0 to 255"},
      // Buttons.
      {11, "Button13 = KeyType 0", "line 11: unknown key 'Button13' in [KeySetA]"},
      {11, "Button01 = KeyType 0", "line 11: unknown key 'Button01' in [KeySetA]"},
      {11, "Button1 = KeyType",
       "line 11: Button1 needs field names each followed by a number, such as KeyType 12"},
      {11, "Button1 = MediaIndex 0", "line 11: Button1 needs a KeyType"},
      {11, "Button1 =", "line 11: Button1 needs a KeyType"},
      {11, "Button1 = KeyType 0 KeyType 1", "line 11: Button1 sets KeyType twice"},
      {11, "Button1 = KeyType 0 Speed 3", "line 11: Button1 has no field 'Speed'"},
      {11, "Button1 = KeyType x", "line 11: Button1's KeyType needs a number from 0 to 255"},
      {11, "Button1 = KeyType 16", "line 11: Button1's KeyType takes 0 to 15, not 16"},
      {11, "Button1 = KeyType 0 MediaIndex 7", "line 11: Button1's MediaIndex takes 0 to 6, not 7"},
      {11, "Button1 = KeyType 0 WindowsIndex 11",
       "line 11: Button1's WindowsIndex takes 0 to 10, not 11"},
      {11, "Button1 = KeyType 0 FireIndex 61",
       "line 11: Button1's FireIndex takes 0 to 60, not 61"},
      {11, "Button1 = KeyType 10 FireIndex 0 FireUsage 4 FireSpeed 3",
       "line 11: Button1's FireSpeed takes 0 or 5 to 255, not 3"},
      {11, "Button1 = KeyType 11 SingleUsage 2",
       "line 11: Button1's SingleUsage takes 0, 4 to 101, 224 to 231 or 240 to 242, not 2"},
      {11, "Button1 = KeyType 12 ComboUsage2 243",
       "line 11: Button1's ComboUsage2 takes 0, 4 to 101, 224 to 231 or 240 to 242, not 243"},
      {11, "Button1 = KeyType 12 ComboModifiers 3",
       "line 11: Button1's ComboModifiers takes 0 to 2, 4, 8, 16, 32, 64 or 128, not 3"},
      {11, "Button1 = KeyType 0 MacroIndex 12",
       "line 11: Button1's MacroIndex takes 0 to 11, not 12"},
      {11, "Button1 = KeyType 0 MacroRepeat 3",
       "line 11: Button1's MacroRepeat takes 0 to 2, not 3"},
      {11, "Button1 = KeyType 0 KeyParam6 5", "line 11: Button1's KeyParam6 takes 0 to 4, not 5"},
      // Relations among a button's fields.
      {11, "Button1 = KeyType 9 MediaIndex 3 MediaUsage 181",
       "line 11: Button1 has MediaUsage 181, but MediaIndex 3 is usage 205"},
      {11, "Button1 = KeyType 15 MediaUsage 182",
       "line 11: Button1 has MediaUsage 182, but MediaIndex 0 is usage 181"},
      {11, "Button1 = KeyType 8 WindowsIndex 4 WindowsUsageLow 33 WindowsUsageHigh 1",
       "line 11: Button1 has WindowsUsageLow 33 and WindowsUsageHigh 1, but WindowsIndex 4 is 33 "
       "and 2"},
      {11, "Button1 = KeyType 15 FireIndex 3 FireUsage 4",
       "line 11: Button1 has FireUsage 4, but FireIndex 3 is code 7"},
      {11, "Button1 = KeyType 10 FireIndex 0 FireUsage 4",
       "line 11: Button1 is a fire key, whose FireSpeed takes 5 to 255, not 0"},
      {12, "Button5 = KeyType 13 MacroIndex 1",
       "line 12: Button5 plays macro 2 (MacroIndex 1), but the file holds 1 macro"},
      // What the device-data check refuses, at the line that set it.
      {11, "Button1 = KeyType 9",
       "line 11: Button1 holds media usage 00, which the mouse must not get"},
      {11, "Button1 = KeyType 6",
       "line 11: Button1 holds DPI function 0, which the mouse must not get"},
      {11, "Button1 = KeyType 8",
       "line 11: Button1 holds Windows function 0000, which the mouse must not get"},
      {11, "Button1 = KeyType 10 FireSpeed 5",
       "line 11: Button1 holds fire key 00, which the mouse must not get"},
      // Macros.
      {15, "", "line 14: [Macro1] needs a Name"},
      {15, "Name =", "line 15: Name is blank"},
      {15, "Name = " + forbidden_long, "line 15: Name is longer than 31 characters"},
      {kAtEnd, "[Macro2]\nName = M1",
       "line 24: Name 'M1' is macro 1's already; macro names ignore case"},
      {16, "Repeat = 0", "line 16: Repeat takes 1 to 65535, not '0'"},
      {16, "Repeat = 65536", "line 16: Repeat takes 1 to 65535, not '65536'"},
      {16, "Count = 1", "line 16: unknown key 'Count' in [Macro1]"},
      {16, "Repeat = 1\nRepeat = 2", "line 17: Repeat appears twice in [Macro1], first on line 16"},
      {17, "Item = A Dn",
       "line 17: Item 'A Dn' is neither a key's down or up, such as 'A   Dn', nor a delay, such "
       "as '50 ms'"},
      {17, "Item = A   Dn!",
       "line 17: Item 'A   Dn!' is neither a key's down or up, such as 'A   Dn', nor a delay, "
       "such as '50 ms'"},
      {17, "Item = a   Dn",
       "line 17: Item 'a   Dn' names a key that the key-name table does not know"},
      {18, "Item = 050 ms",
       "line 18: Item '050 ms' is neither a key's down or up, such as 'A   Dn', nor a delay, such "
       "as '50 ms'"},
      {18, "Item = 25600 ms", "line 18: Item '25600 ms' is a delay outside 0 to 25599 ms"},
      {18, "Item = -1 ms", "line 18: Item '-1 ms' is a delay outside 0 to 25599 ms"},
      {17, Repeated("Item = A   Dn", 64),  // then the up: 65 events of 2 bytes
       "line 14: [Macro1]'s items take 130 bytes, more than the 126 of a macro slot"},
      {15, LongNamedMacros(),
       "line 31: the macro names are longer together than the 255 characters record.ini lists"},
      // Key texts.
      {22, "C1 = x", "line 22: unknown key 'C1' in [KeyTexts.EN]"},
      {22, "A13 = x", "line 22: unknown key 'A13' in [KeyTexts.EN]"},
      {22, "A1 = " + std::string(1024, 't'), "line 22: A1 is longer than 1023 characters"},
  };
  for (const Case& c : cases) {
    const ProfileFileRead read = ReadText(Changed(c.line, c.text));
    EXPECT_FALSE(read.file) << c.error;
    EXPECT_EQ(read.error, c.error);
  }
}

TEST(ProfileFileRefusal, AnEmptyOrOversizedFileIsRefusedWhole) {
  for (const std::string& text :
       {std::string(), std::string("# nothing\n\n"), std::string("\xEF\xBB\xBF")}) {
    EXPECT_EQ(ReadText(text).error, "line 1: a profile file begins with [Profile]");
  }
  const std::string big = Changed(kAtEnd, "# " + std::string(1 << 20, 'x'));
  const ProfileFileRead read = ReadText(big);
  EXPECT_EQ(read.error, "the file is larger than 1 MiB, too large for a profile");
  EXPECT_EQ(read.error_line, 0u);
}

}  // namespace
}  // namespace vx
