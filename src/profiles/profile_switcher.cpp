#include "profiles/profile_switcher.h"

#include <algorithm>
#include <utility>

#include "common/case_fold.h"

namespace vx {

ProfileSwitcher::ProfileSwitcher(ClockPort& clock, ForegroundPort& foreground,
                                 std::wstring_view own_program)
    : clock_(clock), foreground_(foreground), own_program_(FoldCase(own_program)) {}

void ProfileSwitcher::SetProfiles(const std::vector<ProfilePrograms>& profiles) {
  profile_of_program_.clear();
  listed_.clear();
  for (const ProfilePrograms& profile : profiles) {
    listed_.push_back(profile.name);
    for (const std::wstring& program : profile.programs) {
      profile_of_program_.emplace(FoldCase(program), profile.name);
    }
  }
  const std::optional<std::wstring> before = held_profile_;
  LookUpHeld();
  if (held_profile_ != before) answered_ = false;
}

void ProfileSwitcher::Restart() {
  polled_ = false;
}

// Only a program in front that changed is folded: a poll that finds the same one compares the
// name as the port gave it, and the hand choice.
std::optional<std::wstring> ProfileSwitcher::Poll(const SwitchContext& context) {
  const uint64_t now = clock_.NowMs();
  std::optional<std::wstring> program = foreground_.ForegroundProgram();
  const bool changed = !polled_ || program != held_;
  if (changed && IsOwn(program)) return std::nullopt;
  if (context.hand_choice != hand_choice_) {
    hand_choice_.assign(context.hand_choice);
    answered_ = false;
  }
  if (changed) {
    Hold(std::move(program), now);
    return std::nullopt;
  }
  if (answered_ || context.window_shown || now - held_since_ < kHoldMs) return std::nullopt;
  return Answer(context);
}

bool ProfileSwitcher::IsOwn(const std::optional<std::wstring>& program) const {
  return program && FoldCase(*program) == own_program_;
}

void ProfileSwitcher::Hold(std::optional<std::wstring> program, uint64_t now) {
  polled_ = true;
  held_ = std::move(program);
  held_since_ = now;
  answered_ = false;
  LookUpHeld();
}

void ProfileSwitcher::LookUpHeld() {
  held_profile_.reset();
  if (!held_) return;
  const auto found = profile_of_program_.find(FoldCase(*held_));
  if (found != profile_of_program_.end()) held_profile_ = found->second;
}

std::optional<std::wstring> ProfileSwitcher::Answer(const SwitchContext& context) {
  answered_ = true;
  const std::wstring_view wanted = held_profile_ ? *held_profile_ : context.hand_choice;
  if (wanted == context.active || std::ranges::find(listed_, wanted) == listed_.end()) {
    return std::nullopt;
  }
  return std::wstring(wanted);
}

}  // namespace vx
