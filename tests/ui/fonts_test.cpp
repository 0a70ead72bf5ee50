#include "ui/fonts.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/text_format.h"

namespace vx {
namespace {

TEST(Fonts, FollowTheLanguageAndForSimplifiedChineseTheVersion) {
  struct Row {
    std::wstring code;
    unsigned major, minor;
    FontSpec normal, bold;
  };
  const FontSpec hei{L"黑体", 13, 400}, hei_bold{L"黑体", 18, 700};
  const FontSpec song{L"宋体", 13, 400}, song_bold{L"宋体", 18, 700};
  const FontSpec arial{L"Arial", 14, 400}, tahoma{L"Tahoma", 18, 700};
  const std::vector<Row> rows = {
      {L"CHS", 6, 2, hei, hei_bold},    {L"CHS", 6, 1, song, song_bold},
      {L"CHS", 5, 1, song, song_bold},  {L"CHS", 6, 3, song, song_bold},
      {L"CHS", 10, 0, song, song_bold}, {L"CHS", 2, 6, song, song_bold},
      {L"CHT", 6, 2, hei, hei_bold},    {L"CHT", 6, 1, hei, hei_bold},
      {L"CHT", 5, 1, hei, hei_bold},    {L"", 6, 2, arial, tahoma},
      {L"EN", 6, 1, arial, tahoma},     {L"chs", 6, 2, arial, tahoma},
      {L"cht", 6, 2, arial, tahoma},    {L"CHT ", 6, 2, arial, tahoma},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(row.code) + Format(" %u.%u", row.major, row.minor));
    const MainFonts fonts = FontsFor(row.code, row.major, row.minor);
    EXPECT_EQ(fonts.normal, row.normal);
    EXPECT_EQ(fonts.bold, row.bold);
    EXPECT_EQ(DialogFontFor(row.code, row.major, row.minor), row.normal);
  }
}

}  // namespace
}  // namespace vx
