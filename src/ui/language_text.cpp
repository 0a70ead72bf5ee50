#include "ui/language_text.h"

#include "ui/language_texts.h"

namespace vx {

const LanguageText& LanguageTextFor(const std::wstring& language_code) {
  if (language_code == L"CHS") return SimplifiedChinese();
  if (language_code == L"CHT") return TraditionalChinese();
  return English();
}

}  // namespace vx
