#include "pages/key_text_language.h"

namespace vx {

namespace {

// The longest name that matches, so that no shorter name that starts another takes its place.
std::wstring InLanguage(const std::wstring& text, const LanguageText& from,
                        const LanguageText& to) {
  size_t best = kFunctionCount;
  for (size_t f = 0; f < kFunctionCount; ++f) {
    const std::wstring& name = from.functions[f];
    if (name.empty() || text.compare(0, name.size(), name) != 0) continue;
    if (text.size() != name.size() && text[name.size()] != L'-') continue;
    if (best == kFunctionCount || name.size() > from.functions[best].size()) best = f;
  }
  if (best == kFunctionCount) return text;
  return to.functions[best] + text.substr(from.functions[best].size());
}

}  // namespace

KeyTexts KeyTextsInLanguage(const KeyTexts& texts, const LanguageText& from,
                            const LanguageText& to) {
  KeyTexts carried;
  for (size_t i = 0; i < texts.size(); ++i) carried[i] = InLanguage(texts[i], from, to);
  return carried;
}

}  // namespace vx
