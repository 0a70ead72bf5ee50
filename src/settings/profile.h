#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "settings/settings_record.h"
#include "settings/str_ini.h"

namespace vx {

inline constexpr size_t kLanguageCount = 3;
enum LanguageIndex : size_t { kEnglish = 0, kSimplifiedChinese = 1, kTraditionalChinese = 2 };

// str.ini's key-text section of each language.
inline constexpr std::array<const wchar_t*, kLanguageCount> kKeyTextSections = {
    L"Setting-EN", L"Setting-CHS", L"Setting-CHT"};

// "CHS" and "CHT", compared whole and case-sensitively; anything else is English.
LanguageIndex LanguageOfCode(const std::wstring& code);

// A macro as the editor lists it and record.ini keeps it.
struct Macro {
  std::wstring name;
  std::vector<std::wstring> items;

  bool operator==(const Macro&) const = default;
};

// One complete setup of the mouse: the settings record (whose macro slots hold the macros
// compiled, with their repeat counts), the macros as the editor shows them, in slot order, and
// the buttons' texts in every language. Nothing outside it (skin, colour, language) belongs here.
struct Profile {
  // Declared, so that no aggregate initialisation of the texts crashes clang 14's evaluator.
  Profile() = default;

  SettingsRecord record{};
  std::vector<Macro> macros;
  std::array<KeyTexts, kLanguageCount> key_texts;

  bool operator==(const Profile&) const = default;
};

}  // namespace vx
