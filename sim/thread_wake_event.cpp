#include "sim/thread_wake_event.h"

#include <chrono>

namespace vx::sim {

void ThreadWakeEvent::Set() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    set_ = true;
  }
  signalled_.notify_all();
}

void ThreadWakeEvent::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  set_ = false;
}

bool ThreadWakeEvent::Wait(uint32_t timeout_ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  return signalled_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [this] { return set_; });
}

}  // namespace vx::sim
