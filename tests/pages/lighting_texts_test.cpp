#include "pages/lighting_texts.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

const LanguageText& English() {
  return LanguageTextFor(L"");
}

TEST(LightingTexts, ParameterTextsByModeAndIndex) {
  struct Case {
    uint8_t mode, value;
    const wchar_t* text;
  };
  const Case cases[] = {
      {1, 0, L"5%"},    {1, 9, L"100%"},   {1, 10, L""},    {2, 0, L"8S"},   {2, 4, L"4S"},
      {2, 5, L""},      {3, 0, L"0.5S"},   {3, 1, L"1S"},   {3, 2, L"1.5S"}, {3, 28, L"14.5S"},
      {3, 29, L"15S"},  {3, 30, L""},      {0, 0, L""},     {4, 3, L""},     {0xFF, 0, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LightParameterText(c.mode, c.value), c.text) << int(c.mode) << "/" << int(c.value);
  }
  EXPECT_EQ(LightParameterEntries(1).size(), 10u);
  EXPECT_EQ(LightParameterEntries(2).size(), 5u);
  EXPECT_EQ(LightParameterEntries(0), LightParameterEntries(3)) << "other modes list Neon's";
  EXPECT_EQ(LightParameterEntries(3).size(), 30u);
}

TEST(LightingTexts, ModeAndEffectTexts) {
  EXPECT_EQ(LightModeText(English(), 0), L"Off");
  EXPECT_EQ(LightModeText(English(), 3), L"Neon");
  EXPECT_EQ(LightModeText(English(), 4), L"");
  EXPECT_EQ(LightEffectText(English(), 0), L"Non-Disolay");
  EXPECT_EQ(LightEffectText(English(), 3), L"RGB Fixed On");
  EXPECT_EQ(LightEffectText(English(), 4), L"");
  EXPECT_TRUE(LightEffectEntries(English(), 1).empty());
  EXPECT_EQ(LightEffectEntries(English(), 2),
            (std::vector<std::wstring>{L"RGB Effect", L"RGB Flash"}));
  EXPECT_EQ(LightEffectEntries(English(), 3),
            (std::vector<std::wstring>{L"RGB Flash", L"RGB Fixed On"}));
  EXPECT_EQ(LightModeEntries(LanguageTextFor(L"CHT")),
            (std::vector<std::wstring>{L"標準", L"呼吸", L"霓虹"}));
}

TEST(LightingTexts, FieldsShowWhatTheModeSends) {
  struct Case {
    uint8_t mode, parameter, effect;
    const wchar_t *mode_text, *parameter_text, *effect_text;
  };
  const Case cases[] = {
      {0, 3, 2, L"Off", L"", L""},
      {1, 9, 0, L"Standard", L"100%", L"RGB Effect"},
      {2, 2, 2, L"Respiration", L"6S", L"RGB Flash"},
      {3, 29, 3, L"Neon", L"15S", L"RGB Fixed On"},
      {3, 40, 9, L"Neon", L"", L""},
      {7, 1, 1, L"", L"", L""},
  };
  for (const Case& c : cases) {
    const LightFieldTexts fields = LightFieldTextsFor(English(), c.mode, c.parameter, c.effect);
    EXPECT_EQ(fields.mode, c.mode_text) << int(c.mode);
    EXPECT_EQ(fields.parameter, c.parameter_text) << int(c.mode);
    EXPECT_EQ(fields.effect, c.effect_text) << int(c.mode);
  }
}

}  // namespace
}  // namespace vx
