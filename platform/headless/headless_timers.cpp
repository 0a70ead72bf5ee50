// Timers of the headless window system, on a time that only the test moves on.

#include <algorithm>

#include "platform/headless/headless_window_system.h"

namespace vx::headless {

namespace {

// The system's shortest period; a shorter one is raised to it.
constexpr uint32_t kShortestPeriodMs = 10;

}  // namespace

void HeadlessWindowSystem::SetTimer(WindowHandle window, int id, uint32_t ms) {
  if (!Exists(window)) return;
  const uint32_t period = std::max(ms, kShortestPeriodMs);
  timers_[{window, id}] = {period, now_ms_ + period};
}

void HeadlessWindowSystem::KillTimer(WindowHandle window, int id) {
  timers_.erase({window, id});
}

void HeadlessWindowSystem::ForgetTimers(WindowHandle window) {
  std::erase_if(timers_, [window](const auto& timer) { return timer.first.first == window; });
}

std::optional<uint32_t> HeadlessWindowSystem::TimerPeriod(WindowHandle window, int id) const {
  const auto found = timers_.find({window, id});
  if (found == timers_.end()) return std::nullopt;
  return found->second.period;
}

// A handler may set, kill or destroy: the next timer due is looked up afresh after each one.
size_t HeadlessWindowSystem::AdvanceTime(uint64_t ms) {
  const uint64_t until = now_ms_ + ms;
  size_t fired = 0;
  for (;;) {
    const auto next =
        std::min_element(timers_.begin(), timers_.end(),
                         [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
    if (next == timers_.end() || next->second.due > until) break;
    now_ms_ = next->second.due;
    next->second.due += next->second.period;
    const auto [window, id] = next->first;
    if (Dialog* dialog = DialogOf(window)) {
      Deliver(*dialog, {window, kMsgTimer, static_cast<uintptr_t>(id), 0, cursor});
    }
    ++fired;
  }
  now_ms_ = until;
  return fired;
}

}  // namespace vx::headless
