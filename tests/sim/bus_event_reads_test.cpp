#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "sim/virtual_hid_bus.h"

namespace vx::sim {
namespace {

// One mouse with its event collection open and a wake event to read with.
struct EventBus {
  EventBus() {
    mouse = bus.AddMouse(ProbeMode::kScrambled, DefaultMouseMemory());
    handle = bus.Open(bus.interfaces()[1].path, OpenMode::kEventRead);
    wake = bus.CreateWakeEvent();
  }
  bool Begin() { return bus.BeginEventRead(handle, 8, *wake); }

  WireTrace trace;
  VirtualHidBus bus{trace};
  int mouse = 0;
  HidHandle handle = kInvalidHidHandle;
  std::shared_ptr<WakeEvent> wake;
  std::array<uint8_t, 8> out{};
};

TEST(VirtualEventReads, EveryCallOnAClosedHandleIsAMisuse) {
  const std::pair<const char*, std::function<void(EventBus&)>> calls[] = {
      {"BeginEventRead", [](EventBus& e) { e.Begin(); }},
      {"PollEventRead", [](EventBus& e) { e.bus.PollEventRead(e.handle, *e.wake, e.out); }},
      {"CancelEventRead", [](EventBus& e) { e.bus.CancelEventRead(e.handle, *e.wake); }},
      {"Close", [](EventBus& e) { e.bus.Close(e.handle); }},
  };
  for (const auto& [name, call] : calls) {
    EventBus e;
    ASSERT_TRUE(e.Begin());
    e.bus.Close(e.handle);
    EXPECT_TRUE(e.bus.misuses().empty()) << "closing under a read is allowed";
    call(e);
    ASSERT_EQ(e.bus.misuses().size(), 1u) << name;
    EXPECT_EQ(e.bus.misuses()[0].rfind(name, 0), 0u) << e.bus.misuses()[0];
  }
}

TEST(VirtualEventReads, ASecondReadOnAWakeEventWhoseReadIsInFlightIsAMisuse) {
  EventBus e;
  ASSERT_TRUE(e.Begin());
  e.Begin();
  EXPECT_EQ(e.bus.misuses().size(), 1u);
}

TEST(VirtualEventReads, AClosedHandlesReadEndsAsCancelledAndNeedsNoHandleToAwait) {
  EventBus e;
  ASSERT_TRUE(e.Begin());
  e.bus.Close(e.handle);
  EXPECT_TRUE(e.wake->Wait(0)) << "the read's end wakes the reader";
  EXPECT_TRUE(e.bus.WaitForEventReadEnd(*e.wake, 1000));
  EXPECT_TRUE(e.bus.misuses().empty());
}

TEST(VirtualEventReads, HeldCancelledReadsKeepTheirAwaiterUntilReleased) {
  EventBus e;
  ASSERT_TRUE(e.Begin());
  e.bus.HoldCancelledEventReads();
  e.bus.CancelEventRead(e.handle, *e.wake);
  bool ended = false;
  std::thread awaiter([&] { ended = e.bus.WaitForEventReadEnd(*e.wake, 1000); });
  ASSERT_TRUE(e.bus.WaitForAwaitingCancelledRead(std::chrono::seconds(5)));
  e.bus.ReleaseCancelledEventReads();
  awaiter.join();
  EXPECT_TRUE(ended);
  EXPECT_EQ(e.bus.blocked_ms(), 0u);
}

TEST(VirtualEventReads, ACancelledReadThatNeverEndsRunsOutItsTimeOutOnTheBusClock) {
  EventBus e;
  e.bus.faults.cancelled_event_reads_never_end = true;
  ASSERT_TRUE(e.Begin());
  e.bus.CancelEventRead(e.handle, *e.wake);
  EXPECT_FALSE(e.bus.WaitForEventReadEnd(*e.wake, 1000));
  EXPECT_EQ(e.bus.blocked_ms(), 1000u);
  e.bus.AbandonEventRead(*e.wake);
  EXPECT_TRUE(e.Begin());
  EXPECT_TRUE(e.bus.misuses().empty()) << "an abandoned read frees the wake event";
}

// As the system's, the last error is the calling thread's own.
TEST(VirtualEventReads, TheLastErrorIsTheCallingThreads) {
  EventBus e;
  e.bus.Unplug(e.mouse);
  EXPECT_FALSE(e.Begin());
  std::thread other([&] {
    EXPECT_EQ(e.bus.Open(L"no such path", OpenMode::kProbe), kInvalidHidHandle);
    EXPECT_EQ(e.bus.LastError(), 2u);
  });
  other.join();
  EXPECT_EQ(e.bus.LastError(), 1167u);
}

}  // namespace
}  // namespace vx::sim
