#include "ui/behaviour_steps.h"

// The behaviour table's cases of window timers, against every backend: the main window polls
// the program in front on one, in the tray and under the key-function dialogs alike.

namespace vx::test {
namespace {

// Long enough that a loaded machine still sees the short timer first, and never reached.
constexpr uint32_t kShort = 30;
constexpr uint32_t kNever = 600000;
constexpr uint32_t kBound = 5000;

const std::vector<BehaviourCase> kCases = {
    {"ATimerComesToItsDialogThroughPreTranslationUntilKilled",
     {StartTimer(5, kShort), AwaitTimer(kBound), Events({"pre timer 5", "timer 5"}),
      AwaitTimer(kBound), Events({"pre timer 5", "timer 5"}), StopTimer(5), Pass(100), Events({})}},
    {"EachTimerComesWithItsOwnId",
     {StartTimer(5, kShort), StartTimer(6, 2 * kShort), AwaitTimer(kBound),
      Events({"pre timer 5", "timer 5"}), StopTimer(5), AwaitTimer(kBound),
      Events({"pre timer 6", "timer 6"}), StopTimer(6), Pass(100), Events({})}},
    {"SettingATimerAgainRestartsItWithTheNewPeriod",
     {StartTimer(5, kNever), StartTimer(5, kShort), AwaitTimer(kBound),
      Events({"pre timer 5", "timer 5"}), StopTimer(5)}},
    // The owner is disabled and only the innermost loop pre-translates, its own messages only.
    {"AnOwnersTimerGoesOnWhileAnOwnedDialogsLoopRuns",
     {OpenMain(), In(kMain, StartTimer(5, kShort)),
      Modal(kFirst, kMain,
            {In(kFirst, AwaitTimer(kBound)), In(kMain, Events({"timer 5"})),
             In(kMain, StopTimer(5)), In(kFirst, End(kIdOk))},
            kIdOk),
      In(kFirst, Events({"destroy"}))}},
};

INSTANTIATE_TEST_SUITE_P(Timers, WindowSystemBehaviour,
                         testing::Combine(testing::ValuesIn(kCases), testing::ValuesIn(kBackends)),
                         WindowSystemBehaviour::Name);

}  // namespace
}  // namespace vx::test
