#pragma once

#include <signal.h>

namespace vx::gmctl {

// Ctrl+C (SIGINT) and SIGTERM, taken by a wait instead of a handler: they are blocked in the
// thread that makes this and in every thread it starts afterwards, so only Wait receives them.
class InterruptWait {
 public:
  InterruptWait();
  ~InterruptWait();
  InterruptWait(const InterruptWait&) = delete;
  InterruptWait& operator=(const InterruptWait&) = delete;

  // Returns once one of the two signals came.
  void Wait();

 private:
  sigset_t signals_;
  sigset_t before_;
};

}  // namespace vx::gmctl
