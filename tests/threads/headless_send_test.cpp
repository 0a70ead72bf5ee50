#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

#include "threads/reader_window.h"
#include "threads/watchdog.h"

namespace vx {
namespace {

using std::chrono::seconds;
using test::NotifiedWindow;

constexpr auto kReady = std::future_status::ready;

struct SendFixture {
  SendFixture() { windows.Open(window); }
  // The message a worker thread sends, as the event reader does.
  std::future<void> SendFromWorker(uint32_t code) {
    return std::async(std::launch::async, [this, code] {
      windows.SendToWindow(window.window(), kMsgMouseNotify, code, 0);
      returned.fetch_add(1);
    });
  }

  test::Watchdog watchdog{seconds(60)};
  headless::HeadlessWindowSystem windows;
  NotifiedWindow window{windows};
  std::atomic<int> returned{0};
};

TEST(HeadlessSendFromAnotherThread, ReturnsOnlyOnceTheWindowThreadHasHandledIt) {
  SendFixture f;
  std::future<void> sent = f.SendFromWorker(9);
  ASSERT_TRUE(f.windows.WaitForBlockedSender(seconds(10)));
  EXPECT_EQ(f.returned.load(), 0) << "the sender waits for the window thread";
  EXPECT_TRUE(f.window.notes.empty());
  f.windows.PumpSent();
  EXPECT_EQ(sent.wait_for(seconds(10)), kReady);
  EXPECT_EQ(f.window.notes, (std::vector<test::Note>{{9, 0}}));
  EXPECT_EQ(f.window.handled_on, std::vector<std::thread::id>{std::this_thread::get_id()});
}

// Nothing will ever handle such a message; its sender must not wait for a pump that may never
// come (the window thread may be waiting to join it).
TEST(HeadlessSendFromAnotherThread, ASenderGoesOnWhenItsWindowIsDestroyedOrGone) {
  SendFixture f;
  std::future<void> waiting = f.SendFromWorker(7);
  ASSERT_TRUE(f.windows.WaitForBlockedSender(seconds(10)));
  f.windows.DestroyWindow(f.window.window());
  EXPECT_EQ(waiting.wait_for(seconds(10)), kReady);
  std::future<void> late = f.SendFromWorker(8);
  EXPECT_EQ(late.wait_for(seconds(10)), kReady);
  f.windows.PumpSent();  // lets a wrongly waiting sender go, so the test ends either way
  EXPECT_TRUE(f.window.notes.empty());
}

TEST(HeadlessSendFromAnotherThread, ManySendersAreEachHandledOnceOnTheWindowThread) {
  SendFixture f;
  constexpr int kSenders = 4;
  constexpr int kSends = 50;
  std::vector<std::thread> senders;
  for (int s = 0; s < kSenders; ++s) {
    senders.emplace_back([&f, s] {
      for (int i = 0; i < kSends; ++i) {
        f.windows.SendToWindow(f.window.window(), kMsgMouseNotify, s, i);
        f.windows.PostToWindow(f.window.window(), kMsgMouseNotify, s + kSenders, i);
      }
    });
  }
  const size_t all = 2 * kSenders * kSends;
  EXPECT_TRUE(f.windows.PumpUntil([&] { return f.window.notes.size() >= all; }, seconds(30)));
  for (std::thread& sender : senders) sender.join();
  f.windows.PumpSent();
  ASSERT_EQ(f.window.notes.size(), all);
  // Each sender's messages in the order it sent them.
  std::vector<uint32_t> next(2 * kSenders, 0);
  for (const auto& [from, value] : f.window.notes) EXPECT_EQ(value, next[from]++) << from;
  for (const std::thread::id& id : f.window.handled_on) EXPECT_EQ(id, std::this_thread::get_id());
}

}  // namespace
}  // namespace vx
