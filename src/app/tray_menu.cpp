#include "app/tray_menu.h"

#include "settings/ini_document.h"

namespace vx {

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
          SeparatorItem(),
          CommandItem(kTrayExitCommand, texts.tray_exit)};
}

std::optional<size_t> ProfileOfCommand(int command, size_t profile_count) {
  if (command < kTrayFirstProfileCommand || command > kTrayLastProfileCommand) return std::nullopt;
  const auto n = static_cast<size_t>(command - kTrayFirstProfileCommand);
  if (n >= profile_count) return std::nullopt;
  return n;
}

}  // namespace vx
