#pragma once

#include <cstdint>
#include <string>

namespace vx {

// str.ini's language code for a Windows display language (a LANGID): "CHT" for the Traditional
// Chinese ones (Taiwan, Hong Kong, Macao, and Traditional Chinese itself), "CHS" for the other
// Chinese ones, "EN" for every other language.
std::wstring LanguageCodeForDisplayLanguage(uint16_t language_id);

}  // namespace vx
