#include "ui/fonts.h"

namespace vx {

namespace {

constexpr int kRegular = 400;
constexpr int kBold = 700;
constexpr int kTitleHeight = 18;

MainFonts ChineseFonts(const wchar_t* face) {
  return {{face, 13, kRegular}, {face, kTitleHeight, kBold}};
}

}  // namespace

MainFonts FontsFor(const std::wstring& language_code, unsigned version_major,
                   unsigned version_minor) {
  if (language_code == L"CHS") {
    // Without a compatibility manifest every system from Windows 8 on reports 6.2.
    const bool reports_6_2 = version_major == 6 && version_minor == 2;
    return ChineseFonts(reports_6_2 ? L"黑体" : L"宋体");
  }
  if (language_code == L"CHT") return ChineseFonts(L"黑体");
  return {{L"Arial", 14, kRegular}, {L"Tahoma", kTitleHeight, kBold}};
}

FontSpec DialogFontFor(const std::wstring& language_code, unsigned version_major,
                       unsigned version_minor) {
  return FontsFor(language_code, version_major, version_minor).normal;
}

}  // namespace vx
