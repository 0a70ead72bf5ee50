#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/language_text.h"
#include "ui/window_system.h"

namespace vx {

inline constexpr int kTrayExitCommand = 1028;
inline constexpr int kTrayEditProfilesCommand = 1029;
inline constexpr int kTraySwitchByProgramCommand = 1030;
inline constexpr int kTrayStartWithWindowsCommand = 1031;
// The languages, in the order of the language indexes: English, Simplified, Traditional Chinese.
inline constexpr int kTrayFirstLanguageCommand = 1032;
// Profile n of the list is command kTrayFirstProfileCommand + n.
inline constexpr int kTrayFirstProfileCommand = 1100;
inline constexpr int kTrayLastProfileCommand = 1899;

struct TrayMenuState {
  std::vector<std::wstring> profiles;
  std::wstring active;
  bool switch_by_program = false;
  bool start_with_windows = false;
  // str.ini's code of the language the program speaks.
  std::wstring language_code;
};

// "Profiles" (every profile, the active one checked, then "Edit Profiles..."), the two check
// items, "Language" (the current one checked), a separator and "Exit" last.
std::vector<MenuItem> TrayMenu(const TrayMenuState& state, const LanguageText& texts);

// The profile a command of the menu chooses (its place in the list).
std::optional<size_t> ProfileOfCommand(int command, size_t profile_count);

// str.ini's code of the language a command of the menu chooses.
std::optional<std::wstring> LanguageOfCommand(int command);

}  // namespace vx
