#include <gtest/gtest.h>

#include "platform/system_clock.h"
#include "platform/system_pause.h"

namespace vx {
namespace {

// Bounds wide enough for a loaded machine and a coarse tick; a clock in seconds or microseconds
// falls outside them.
TEST(SystemClock, CountsMilliseconds) {
  const auto clock = CreateSystemClock();
  const uint64_t before = clock->NowMs();
  CreateSystemPause()->Pause(200);
  const uint64_t passed = clock->NowMs() - before;
  EXPECT_GE(passed, 150u);
  EXPECT_LT(passed, 20000u);
}

}  // namespace
}  // namespace vx
