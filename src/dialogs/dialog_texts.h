#pragma once

#include <array>
#include <string>

#include "device/key_name_tables.h"

namespace vx {

// The key-function dialogs' own texts in one language, chosen by the same rule as the main
// window's ("CHS", "CHT", anything else English).
struct DialogTexts {
  std::wstring ok;
  std::wstring cancel;
  std::wstring single_key_prompt;
  std::wstring speed_label;
  std::wstring times_label;
  std::wstring speed_explanation;
  std::wstring times_explanation;
  std::wstring delay_prompt;
  std::wstring delay_range;
  std::wstring macro_prompt;
  std::array<std::wstring, 3> repeat_modes;
  std::array<std::wstring, kMediaKeyCount> media_keys;
  std::array<std::wstring, kWindowsFunctionCount> windows_functions;
  // A captured key that the mouse has no usage for.
  std::wstring key_without_usage;
  std::wstring skins_colour_prompt;
};

const DialogTexts& DialogTextsFor(const std::wstring& language_code);

}  // namespace vx
