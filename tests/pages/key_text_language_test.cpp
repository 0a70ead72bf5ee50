#include "pages/key_text_language.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// The defaults of one language carried into another are that language's defaults.
TEST(KeyTextsInLanguage, DefaultsBecomeTheOtherLanguagesDefaults) {
  const LanguageText& english = LanguageTextFor(L"EN");
  for (const wchar_t* code : {L"CHS", L"CHT"}) {
    const LanguageText& chinese = LanguageTextFor(code);
    EXPECT_EQ(KeyTextsInLanguage(DefaultKeyTexts(english.functions), english, chinese),
              DefaultKeyTexts(chinese.functions))
        << code;
    EXPECT_EQ(KeyTextsInLanguage(DefaultKeyTexts(chinese.functions), chinese, english),
              DefaultKeyTexts(english.functions))
        << code;
  }
}

TEST(KeyTextsInLanguage, OnlyAWholeFunctionNameOrOneBeforeItsKeyIsTranslated) {
  struct Row {
    std::wstring english, simplified;
  };
  const std::vector<Row> rows = {
      {L"Macro Key-Reload", L"宏-Reload"},
      {L"Combo Key-left Ctrl+C", L"组合键-left Ctrl+C"},
      {L"Fire Key-A", L"火力键-A"},
      {L"Shift", L"Shift"},
      {L"Key Off", L"禁用按键"},
      {L"Left Clicker", L"Left Clicker"},
      {L"Left Click ", L"Left Click "},
      {L"DPI Loop", L"DPI Loop"},
      {L"Reload", L"Reload"},
      {L"", L""},
  };
  const LanguageText& english = LanguageTextFor(L"EN");
  const LanguageText& simplified = LanguageTextFor(L"CHS");
  for (const Row& row : rows) {
    KeyTexts texts;
    texts[3] = row.english;
    EXPECT_EQ(KeyTextsInLanguage(texts, english, simplified)[3], row.simplified) << row.english;
  }
}

}  // namespace
}  // namespace vx
