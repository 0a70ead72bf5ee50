#include "pages/function_details.h"

#include <gtest/gtest.h>

#include "device/key_codes.h"

namespace vx {
namespace {

const LanguageText& English() {
  return LanguageTextFor(L"");
}

// What a dialog's answer stores, byte by byte as the tables give them, and the button's text.
TEST(FunctionDetails, DialogAnswersBecomeTheButtonsFields) {
  struct Case {
    const char* name;
    ButtonFunction function;
    uint8_t key_type;
    std::vector<std::pair<FunctionField, uint8_t>> fields;
    const wchar_t* text;
  };
  const ButtonFunction none;
  const Case cases[] = {
      {"Windows, My Computer", WindowsFunction(none, English(), 3, L"My Computer"), kKeyWindows,
       {{kFieldWindowsIndex, 3}, {kFieldWindowsUsageLow, 0x94}, {kFieldWindowsUsageHigh, 1}},
       L"My Computer"},
      {"Windows, favourites", WindowsFunction(none, English(), 10, L"Browser-My Favorites"),
       kKeyWindows,
       {{kFieldWindowsIndex, 10}, {kFieldWindowsUsageLow, 0x2A}, {kFieldWindowsUsageHigh, 2}},
       L"Browser-My Favorites"},
      {"Media, Vol-", MediaFunction(none, English(), 6, L"Vol-"), kKeyMultimedia,
       {{kFieldMediaIndex, 6}, {kFieldMediaUsage, 0xEA}}, L"Multimedia-Vol-"},
      {"Fire, R-Tilt", FireFunction(none, English(), 60, L"R-Tilt Wheel", 40, 0), kKeyFireKey,
       {{kFieldFireIndex, 60}, {kFieldFireUsage, 0xF6}, {kFieldFireSpeed, 40}, {kFieldFireTimes, 0}},
       L"Fire Key-R-Tilt Wheel"},
      {"Single, F5", SingleKeyFunction(none, English(), {L"F5", {0x3F, false}}), kKeySingleKey,
       {{kFieldSingleUsage, 0x3E}}, L"Single Key-F5"},
      // Wine names Ctrl "Control": its place on the keyboard gives the usage.
      {"Single, Control", SingleKeyFunction(none, English(), {L"Control", {0x1D, false}}),
       kKeySingleKey, {{kFieldSingleUsage, 0xE0}}, L"Single Key-Control"},
      {"Single, STRG", SingleKeyFunction(none, English(), {L"STRG", {0x1D, true}}), kKeySingleKey,
       {{kFieldSingleUsage, 0xE4}}, L"Single Key-STRG"},
      {"Combo", ComboKeyFunction(none, English(), L"Left Shift", {L"Control", {0x1D, false}},
                                 {L"C", {0x2E, false}}),
       kKeyComboKey,
       {{kFieldComboModifiers, 0x02}, {kFieldComboUsage1, 0xE0}, {kFieldComboUsage2, 0x06}},
       L"Combo Key-Left Shift+Control+C"},
      {"Combo without modifier", ComboKeyFunction(none, English(), L"", {L"A", {0x1E, false}}, {}),
       kKeyComboKey,
       {{kFieldComboModifiers, 0}, {kFieldComboUsage1, 0x04}, {kFieldComboUsage2, 0}},
       L"Combo Key-A"},
      {"Macro", MacroFunction(none, English(), 2, L"c", 3), kKeyMacroKey,
       {{kFieldMacroIndex, 2}, {kFieldMacroRepeat, 2}}, L"Macro Key-c"},
  };
  for (const Case& c : cases) {
    ButtonFunction expected;
    expected.fields[kFieldKeyType] = c.key_type;
    for (const auto& [field, value] : c.fields) expected.fields[field] = value;
    EXPECT_EQ(c.function.fields, expected.fields) << c.name;
    EXPECT_EQ(c.function.text, c.text) << c.name;
  }
}

TEST(FunctionDetails, OtherFieldsOfTheButtonStayAsTheyWere) {
  ButtonFunction before;
  before.fields.fill(0x77);
  before.key_param6 = 3;
  const ButtonFunction after = MediaFunction(before, English(), 0, L"Next");
  EXPECT_EQ(after.fields[kFieldSingleUsage], 0x77);
  EXPECT_EQ(after.key_param6, 3);
  EXPECT_EQ(after.fields[kFieldMediaUsage], 0xB5);
}

TEST(FunctionDetails, KeysWithoutAUsageAtAllGiveZero) {
  EXPECT_EQ(CapturedKeyUsage({L"", {0, false}}), 0);
  EXPECT_EQ(CapturedKeyUsage({L"Break", {0x46, true}}), 0);
  EXPECT_EQ(CapturedKeyUsage({L"space", {0x39, false}}), 0x2C);
  EXPECT_EQ(CapturedKeyUsage({L"Space", {0, false}}), 0x2C) << "the name decides first";
}

}  // namespace
}  // namespace vx
