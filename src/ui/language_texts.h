#pragma once

#include "ui/language_text.h"

namespace vx {

// The texts of each language, one file each.
inline constexpr wchar_t kWebAddressText[] = L"www.vantorelliax.com";
const LanguageText& English();
const LanguageText& SimplifiedChinese();
const LanguageText& TraditionalChinese();

}  // namespace vx
