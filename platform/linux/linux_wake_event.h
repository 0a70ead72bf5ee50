#pragma once

#include <atomic>
#include <vector>

#include "device/hid_port.h"
#include "platform/linux/linux_system.h"

namespace vx {

// A manual-reset event on an eventfd. While an event read is in flight its node is watched too:
// a report on it, or its hang-up, ends a wait as the end of an overlapped read signals the event
// on Windows.
class LinuxWakeEvent : public WakeEvent {
 public:
  LinuxWakeEvent(LinuxSystem& system, int counter_fd) : system_(system), counter_fd_(counter_fd) {}
  ~LinuxWakeEvent() override;
  LinuxWakeEvent(const LinuxWakeEvent&) = delete;
  LinuxWakeEvent& operator=(const LinuxWakeEvent&) = delete;

  void Set() override;
  void Reset() override;
  bool Wait(uint32_t timeout_ms) override;

  // The read's buffer, of the length asked for, is the event's own.
  void Watch(int fd, size_t length);
  void StopWatching() { watched_fd_.store(-1); }
  std::vector<uint8_t>& buffer() { return buffer_; }

 private:
  LinuxSystem& system_;
  const int counter_fd_;
  std::atomic<int> watched_fd_{-1};
  std::vector<uint8_t> buffer_;
};

}  // namespace vx
