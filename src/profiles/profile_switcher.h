#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/clock_port.h"
#include "profiles/foreground_port.h"

namespace vx {

// A profile as the switching rules see it: its name and the programs it is for.
struct ProfilePrograms {
  std::wstring name;
  std::vector<std::wstring> programs;  // file names, such as L"game.exe"
};

// What the application holds at the moment of a poll.
struct SwitchContext {
  std::wstring_view active;       // the profile the mouse has
  std::wstring_view hand_choice;  // the profile the user chose by hand last
  bool window_shown = false;      // the main window is shown
};

// Which profile the program in front calls for. Each poll reads the clock and the program in
// front. A program that stays in front for kHoldMs, or no program in front for as long, has
// its profile applied: the first listed profile that names it, ignoring case, else the hand
// choice. Then:
// - a program in front that changes starts the hold anew; alt-tabbing quicker changes nothing;
// - our own program in front (our windows, our message boxes) is as if the poll had not been;
// - a hold is answered once: a profile already active, or one asked for whose apply failed, is
//   not asked for again while the same program stays in front;
// - while the main window is shown nothing is asked for; a hold that is due then is answered at
//   the first poll after the window is hidden;
// - a hand choice made while a named program stays in front does not win: that program's
//   profile is asked for again; the hand choice comes back once the program has left;
// - after the profiles change, the program in front is looked up again, and a hold whose
//   profile changed is answered anew (a profile that lost the program or was deleted gives way
//   to the next one naming it, else to the hand choice);
// - a profile that is not listed (a hand choice since deleted) is never asked for.
// Switching turned off means no polls; Restart when it is turned on again.
class ProfileSwitcher {
 public:
  static constexpr uint64_t kHoldMs = 1000;

  // own_program: our own file name, as the foreground port gives it.
  ProfileSwitcher(ClockPort& clock, ForegroundPort& foreground, std::wstring_view own_program);

  // The profiles in their listed order.
  void SetProfiles(const std::vector<ProfilePrograms>& profiles);
  // The program in front counts its hold from the next poll.
  void Restart();
  // The profile to apply now, if any.
  std::optional<std::wstring> Poll(const SwitchContext& context);

 private:
  bool IsOwn(const std::optional<std::wstring>& program) const;
  void Hold(std::optional<std::wstring> program, uint64_t now);
  void LookUpHeld();
  std::optional<std::wstring> Answer(const SwitchContext& context);

  ClockPort& clock_;
  ForegroundPort& foreground_;
  std::wstring own_program_;                                           // folded
  std::unordered_map<std::wstring, std::wstring> profile_of_program_;  // folded program names
  std::vector<std::wstring> listed_;
  bool polled_ = false;
  std::optional<std::wstring> held_;  // as the port gave it
  std::optional<std::wstring> held_profile_;
  uint64_t held_since_ = 0;
  bool answered_ = false;
  std::wstring hand_choice_;  // at the last poll
};

}  // namespace vx
