#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace vx::test {

// Ends the test process when a test has not finished within its limit, so a deadlock fails at
// once, naming the test, instead of at the test runner's far longer limit.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : thread_([this, limit] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (disarmed_changed_.wait_for(lock, limit, [this] { return disarmed_; })) return;
          const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
          std::fprintf(stderr, "watchdog: %s.%s did not finish within %lld s: a deadlock\n",
                       test ? test->test_suite_name() : "?", test ? test->name() : "?",
                       static_cast<long long>(limit.count()));
          std::abort();
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      disarmed_ = true;
    }
    disarmed_changed_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable disarmed_changed_;
  bool disarmed_ = false;
  std::thread thread_;
};

}  // namespace vx::test
