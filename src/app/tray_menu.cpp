#include "app/tray_menu.h"

#include <array>

#include "settings/ini_document.h"
#include "settings/profile.h"

namespace vx {

namespace {

struct MenuLanguage {
  const wchar_t* code;
  // In its own language, so that a user who cannot read the current one still finds theirs.
  const wchar_t* name;
};

constexpr std::array<MenuLanguage, kLanguageCount> kMenuLanguages = {
    {{L"EN", L"English"}, {L"CHS", L"简体中文"}, {L"CHT", L"繁體中文"}}};

std::vector<MenuItem> LanguageItems(const std::wstring& language_code) {
  const LanguageIndex current = LanguageOfCode(language_code);
  std::vector<MenuItem> items;
  for (size_t n = 0; n < kMenuLanguages.size(); ++n) {
    items.push_back(CommandItem(kTrayFirstLanguageCommand + static_cast<int>(n),
                                kMenuLanguages[n].name, n == current));
  }
  return items;
}

}  // namespace

std::vector<MenuItem> TrayMenu(const TrayMenuState& state, const LanguageText& texts) {
  std::vector<MenuItem> profiles;
  for (size_t n = 0; n < state.profiles.size(); ++n) {
    const int command = kTrayFirstProfileCommand + static_cast<int>(n);
    if (command > kTrayLastProfileCommand) break;
    // Profile files are named as Windows names files: without regard to case.
    profiles.push_back(CommandItem(command, state.profiles[n],
                                   SameIniName(state.profiles[n], state.active)));
  }
  if (!profiles.empty()) profiles.push_back(SeparatorItem());
  profiles.push_back(CommandItem(kTrayEditProfilesCommand, texts.tray_edit_profiles));
  return {SubmenuItem(texts.tray_profiles, std::move(profiles)),
          CommandItem(kTraySwitchByProgramCommand, texts.tray_switch_by_program,
                      state.switch_by_program),
          CommandItem(kTrayStartWithWindowsCommand, texts.tray_start_with_windows,
                      state.start_with_windows),
          SubmenuItem(texts.tray_language, LanguageItems(state.language_code)),
          SeparatorItem(),
          CommandItem(kTrayExitCommand, texts.tray_exit)};
}

std::optional<size_t> ProfileOfCommand(int command, size_t profile_count) {
  if (command < kTrayFirstProfileCommand || command > kTrayLastProfileCommand) return std::nullopt;
  const auto n = static_cast<size_t>(command - kTrayFirstProfileCommand);
  if (n >= profile_count) return std::nullopt;
  return n;
}

std::optional<std::wstring> LanguageOfCommand(int command) {
  const int n = command - kTrayFirstLanguageCommand;
  if (n < 0 || n >= static_cast<int>(kMenuLanguages.size())) return std::nullopt;
  return kMenuLanguages[static_cast<size_t>(n)].code;
}

}  // namespace vx
