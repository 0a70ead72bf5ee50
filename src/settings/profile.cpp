#include "settings/profile.h"

namespace vx {

LanguageIndex LanguageOfCode(const std::wstring& code) {
  if (code == L"CHS") return kSimplifiedChinese;
  if (code == L"CHT") return kTraditionalChinese;
  return kEnglish;
}

}  // namespace vx
