#pragma once

#include <condition_variable>
#include <mutex>

#include "device/hid_port.h"

namespace vx::sim {

// A manual-reset event made of a mutex and a condition variable.
class ThreadWakeEvent : public WakeEvent {
 public:
  void Set() override;
  void Reset() override;
  bool Wait(uint32_t timeout_ms) override;

 private:
  std::mutex mutex_;
  std::condition_variable signalled_;
  bool set_ = false;
};

}  // namespace vx::sim
