#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/headless/headless_window_system.h"

// What only the headless timers promise: the test's time, which the program's clock reads too.

namespace vx {
namespace {

using Firing = std::pair<int, uint64_t>;  // timer id, time

class TimedDialog : public Dialog {
 public:
  explicit TimedDialog(headless::HeadlessWindowSystem& windows)
      : Dialog(windows, DialogTemplate{}), clock_(windows.clock()) {}
  bool OnTimer(int id) override {
    firings.emplace_back(id, clock_.NowMs());
    return true;
  }
  std::vector<Firing> firings;

 private:
  ClockPort& clock_;
};

TEST(HeadlessTimers, EachTimerFiresAtEveryDueMomentWithTheClockStandingThere) {
  headless::HeadlessWindowSystem windows;
  TimedDialog dialog(windows);
  windows.Open(dialog);
  windows.SetTimer(dialog.window(), 1, 500);
  windows.AdvanceTime(200);
  windows.SetTimer(dialog.window(), 2, 400);
  EXPECT_EQ(windows.AdvanceTime(1300), 6u);
  EXPECT_EQ(dialog.firings,
            (std::vector<Firing>{{1, 500}, {2, 600}, {1, 1000}, {2, 1000}, {2, 1400}, {1, 1500}}));
  EXPECT_EQ(windows.clock().NowMs(), 1500u);
}

TEST(HeadlessTimers, APeriodBelowTheSystemsShortestIsRaisedToIt) {
  headless::HeadlessWindowSystem windows;
  TimedDialog dialog(windows);
  windows.Open(dialog);
  windows.SetTimer(dialog.window(), 3, 0);
  EXPECT_EQ(windows.TimerPeriod(dialog.window(), 3), 10u);
  EXPECT_EQ(windows.AdvanceTime(30), 3u);
  windows.KillTimer(dialog.window(), 3);
  EXPECT_EQ(windows.TimerPeriod(dialog.window(), 3), std::nullopt);
  EXPECT_EQ(windows.AdvanceTime(30), 0u);
}

}  // namespace
}  // namespace vx
