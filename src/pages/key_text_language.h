#pragma once

#include "settings/str_ini.h"
#include "ui/language_text.h"

namespace vx {

// The buttons' texts of one language carried into another that has none yet: a function's name
// (alone, or before "-" and its key) becomes the other language's name of that function; key
// names, macro names and the DPI texts are the same in every language and stay as they are.
KeyTexts KeyTextsInLanguage(const KeyTexts& texts, const LanguageText& from,
                            const LanguageText& to);

}  // namespace vx
