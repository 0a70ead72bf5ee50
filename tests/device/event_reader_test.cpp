#include "device/event_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/link_fixture.h"

namespace vx {
namespace {

using Notes = std::vector<std::pair<uint32_t, uint32_t>>;
using test::LinkFixture;

// Waits until the reader has a read outstanding, so that an event is not raced past it.
bool WaitForPendingRead(LinkFixture& f, int mouse) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!f.bus.EventReadPending(mouse)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class EventReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mouse_ = f_.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
    ASSERT_TRUE(f_.device.StartUp());
    ASSERT_TRUE(f_.host.WaitForNotes(1));
    ASSERT_EQ(f_.host.notes(), (Notes{{14, 0}}));
    ASSERT_FALSE(f_.device.reader().Paused());
    ASSERT_TRUE(WaitForPendingRead(f_, mouse_));
  }

  LinkFixture f_;
  int mouse_ = 0;
};

TEST_F(EventReaderTest, ForwardsTheFourNotificationCodesWithTheirValues) {
  f_.bus.EmitEvent(mouse_, 9, 3);
  f_.bus.EmitEvent(mouse_, 5, 8);
  f_.bus.EmitEvent(mouse_, 7, 2);
  f_.bus.EmitEvent(mouse_, 8, 1);
  ASSERT_TRUE(f_.host.WaitForNotes(5));
  EXPECT_EQ(f_.host.notes(), (Notes{{14, 0}, {9, 3}, {5, 8}, {7, 2}, {8, 1}}));
}

TEST_F(EventReaderTest, SkipsOtherCodesOtherReportIdsAndEmptyReads) {
  f_.bus.EmitEventReport(mouse_, {6, 6, 0, 1, 0, 0, 0, 0});
  f_.bus.EmitEventReport(mouse_, {5, 7, 0, 2, 0, 0, 0, 0});
  f_.bus.EmitEventReport(mouse_, {});
  f_.bus.EmitEvent(mouse_, 9, 4);
  ASSERT_TRUE(f_.host.WaitForNotes(2));
  EXPECT_EQ(f_.host.notes(), (Notes{{14, 0}, {9, 4}}));
}

TEST_F(EventReaderTest, StopsWithinItsBoundWhenAReadNeverCompletes) {
  f_.bus.faults.event_reads_never_complete = true;
  f_.bus.EmitEvent(mouse_, 9, 1);
  const auto start = std::chrono::steady_clock::now();
  f_.device.reader().Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start,
            std::chrono::milliseconds(kReaderWaitMs + 500));
}

TEST_F(EventReaderTest, ReadsNothingWhileTheDeviceIsNotReady) {
  f_.link.device_ready.store(0);
  f_.link.wake->Set();
  f_.bus.EmitEvent(mouse_, 9, 5);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(f_.host.notes(), (Notes{{14, 0}}));
}

TEST(EventReaderStartUp, StaysPausedWithoutAMouse) {
  LinkFixture f;
  ASSERT_TRUE(f.device.StartUp());
  EXPECT_EQ(f.host.notes(), (Notes{{15, 0}}));
  EXPECT_TRUE(f.device.reader().Paused());
}

TEST(EventReaderStartUp, ReportsAWakeEventThatCannotBeCreated) {
  LinkFixture f;
  f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  f.bus.faults.wake_event_fails = true;
  EXPECT_FALSE(f.device.StartUp());
  EXPECT_EQ(f.messages.shown, std::vector<std::wstring>{L"CreateEvent failed."});
}

}  // namespace
}  // namespace vx
