#include "common/case_fold.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace vx {
namespace {

// Each pair: a capital and its small letter. The ends of every range, and the letters between
// ranges that have no partner, catch an edge that is off by one.
TEST(FoldCase, CapitalsBecomeTheirSmallLetters) {
  const std::pair<std::wstring, std::wstring> pairs[] = {
      {L"AZ", L"az"},
      {L"\u00C0\u00DE", L"\u00E0\u00FE"},  // À Þ
      {L"\u0100\u012E\u0132\u0136", L"\u0101\u012F\u0133\u0137"},
      {L"\u0139\u0147\u014A\u0176", L"\u013A\u0148\u014B\u0177"},
      {L"\u0178\u0179\u017D", L"\u00FF\u017A\u017E"},  // Ÿ Ź Ž
      {L"\u0386\u0388\u038A\u038C\u038E\u038F", L"\u03AC\u03AD\u03AF\u03CC\u03CD\u03CE"},
      {L"\u0391\u03A9\u03AB", L"\u03B1\u03C9\u03CB"},  // Α Ω Ϋ
      {L"\u0400\u040F\u0410\u042F", L"\u0450\u045F\u0430\u044F"},
  };
  for (const auto& [capitals, small] : pairs) {
    EXPECT_EQ(FoldCase(capitals), small);
    EXPECT_EQ(FoldCase(small), small);
  }
}

TEST(FoldCase, OtherCharactersStay) {
  const std::wstring others[] = {
      L"@[`{ 09.exe\\",                         // around the ASCII letters
      L"\u00BF\u00D7\u00DF\u00F7",              // ¿ × ß ÷
      L"\u0130\u0131\u0138\u0149\u017F",        // İ ı ĸ ŉ ſ
      L"\u0385\u0387\u038B\u038D\u0390\u03A2",  // around the Greek capitals
      L"\u03AC\u0450\u044F\u0460",
      L"\u6E38\u620F.exe",  // 游戏
  };
  for (const std::wstring& text : others) EXPECT_EQ(FoldCase(text), text);
}

}  // namespace
}  // namespace vx
