#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "threads/reader_window.h"
#include "threads/watchdog.h"

namespace vx {
namespace {

using std::chrono::seconds;
using test::Note;
using test::ReaderOnWindow;

constexpr Note kFound{14, 0};
constexpr Note kMissing{15, 0};

// A started reader with a read outstanding on the mouse.
class ReaderThread : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(f_.device.StartUp());
    ASSERT_EQ(f_.window.notes, std::vector<Note>{kFound});
    ASSERT_TRUE(f_.ReaderReads());
  }
  void TearDown() override { EXPECT_EQ(f_.bus.misuses(), std::vector<std::string>{}); }

  bool AllHandledOnTheWindowThread() const {
    for (const std::thread::id& id : f_.window.handled_on) {
      if (id != std::this_thread::get_id()) return false;
    }
    return true;
  }

  test::Watchdog watchdog_{seconds(120)};
  ReaderOnWindow f_;
};

TEST(ReaderThreadStart, StaysPausedWithoutTheMouseAndReadsOnceItArrives) {
  test::Watchdog watchdog(seconds(60));
  ReaderOnWindow f;
  f.bus.Unplug(f.mouse);
  ASSERT_TRUE(f.device.StartUp());
  EXPECT_TRUE(f.device.reader().Paused());
  f.Plug();
  EXPECT_FALSE(f.device.reader().Paused());
  ASSERT_TRUE(f.ReaderReads());
  f.bus.EmitEvent(f.mouse, 5, 2);
  EXPECT_TRUE(f.PumpUntilLast({5, 2}));
  EXPECT_EQ(f.window.notes.front(), kMissing);
}

TEST_F(ReaderThread, HandsEachNotificationToTheWindowThreadAndReadsOnlyOnceItIsHandled) {
  f_.bus.EmitEvent(f_.mouse, 9, 3);
  ASSERT_TRUE(f_.windows.WaitForBlockedSender(seconds(10)));
  EXPECT_FALSE(f_.bus.EventReadPending(f_.mouse)) << "no read while the window has not handled it";
  f_.bus.EmitEvent(f_.mouse, 5, 8);
  ASSERT_TRUE(f_.PumpNotes(3));
  EXPECT_EQ(f_.window.notes, (std::vector<Note>{kFound, {9, 3}, {5, 8}}));
  EXPECT_TRUE(AllHandledOnTheWindowThread());
}

// The reader waits in a notification the window has not handled yet, while the window thread
// sees the mouse go and come back: neither waits for the other, and the reader reads on.
TEST_F(ReaderThread, AReopenWhileTheReaderWaitsForTheWindowNeedsNothingOfTheReader) {
  f_.bus.EmitEvent(f_.mouse, 9, 1);
  ASSERT_TRUE(f_.windows.WaitForBlockedSender(seconds(10)));
  f_.Unplug();
  f_.Plug();
  EXPECT_TRUE(f_.link.DeviceReady());
  ASSERT_TRUE(f_.PumpNotes(2));
  ASSERT_TRUE(f_.ReaderReads());
  f_.bus.EmitEvent(f_.mouse, 7, 2);
  ASSERT_TRUE(f_.PumpUntilLast({7, 2}));
  EXPECT_TRUE(AllHandledOnTheWindowThread());
}

// A driver slow to let go of a cancelled read keeps the reader waiting, never the window thread:
// a re-open meanwhile finishes before the driver lets go.
TEST_F(ReaderThread, AReopenDoesNotWaitForTheReaderToGetItsCancelledReadBack) {
  f_.bus.HoldCancelledEventReads();
  f_.Reopen();
  ASSERT_TRUE(f_.bus.WaitForAwaitingCancelledRead(seconds(10)));
  std::atomic<bool> reopened{false};
  std::atomic<bool> released_first{false};
  // Lets go of the read once the re-open is through, or after a bound that a re-open waiting
  // for the reader would run into.
  std::thread driver([&] {
    const auto deadline = std::chrono::steady_clock::now() + seconds(5);
    while (!reopened.load() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::yield();
    }
    released_first.store(!reopened.load());
    f_.bus.ReleaseCancelledEventReads();
  });
  f_.Reopen();
  reopened.store(true);
  driver.join();
  EXPECT_FALSE(released_first.load()) << "the re-open waited for the reader";
  ASSERT_TRUE(f_.ReaderReads());
  f_.bus.EmitEvent(f_.mouse, 8, 2);
  EXPECT_TRUE(f_.PumpUntilLast({8, 2}));
}

TEST_F(ReaderThread, StopsWhileWaitingForAWindowThatIsGone) {
  f_.bus.EmitEvent(f_.mouse, 9, 2);
  ASSERT_TRUE(f_.windows.WaitForBlockedSender(seconds(10)));
  f_.windows.DestroyWindow(f_.window.window());
  f_.device.reader().Stop();
  EXPECT_EQ(f_.window.notes, std::vector<Note>{kFound});
}

// A read that neither completes nor ends when cancelled is left to the system, bounded.
TEST_F(ReaderThread, StopsWhenItsReadNeverEnds) {
  f_.bus.faults.event_reads_never_complete = true;
  f_.bus.faults.cancelled_event_reads_never_end = true;
  f_.device.reader().Stop();
  EXPECT_EQ(f_.bus.blocked_ms(), uint64_t{kReaderWaitMs});
}

// The mouse vanishes and comes back again and again while it keeps announcing things and the
// window thread pumps only now and then: afterwards the reader still reads, nothing touched a
// closed handle, no handle leaked and the window thread handled every notification.
TEST_F(ReaderThread, SurvivesAnUnplugStormWhileTheWindowThreadReopens) {
  std::atomic<bool> storming{true};
  std::thread mouse([&] {
    for (uint8_t value = 1; storming.load(); value = value % 200 + 1) {
      f_.bus.EmitEvent(f_.mouse, 9, value);
      std::this_thread::yield();
    }
  });
  for (int cycle = 0; cycle < 300; ++cycle) {
    f_.Unplug();
    if (cycle % 2 == 0) f_.windows.PumpSent();
    f_.Plug();
    if (cycle % 3 == 0) f_.windows.PumpSent();
  }
  storming.store(false);
  mouse.join();
  ASSERT_TRUE(f_.link.DeviceReady());
  ASSERT_TRUE(f_.DrainEvents());
  f_.bus.EmitEvent(f_.mouse, 7, 4);
  EXPECT_TRUE(f_.PumpUntilLast({7, 4}, seconds(20)));
  EXPECT_EQ(f_.bus.open_handle_count(), 2u);
  EXPECT_TRUE(AllHandledOnTheWindowThread());
  const auto missing = std::count(f_.window.notes.begin(), f_.window.notes.end(), kMissing);
  EXPECT_GE(missing, 300);
}

}  // namespace
}  // namespace vx
