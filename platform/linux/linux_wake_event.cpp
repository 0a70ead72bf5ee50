#include "platform/linux/linux_wake_event.h"

#include <array>
#include <cstring>

namespace vx {

LinuxWakeEvent::~LinuxWakeEvent() {
  system_.Close(counter_fd_);
}

void LinuxWakeEvent::Set() {
  const uint64_t one = 1;
  std::array<uint8_t, sizeof one> bytes;
  std::memcpy(bytes.data(), &one, sizeof one);
  system_.Write(counter_fd_, bytes);
}

// Reading an eventfd takes its whole count; an event that was not set has nothing to take.
void LinuxWakeEvent::Reset() {
  std::array<uint8_t, sizeof(uint64_t)> bytes;
  system_.Read(counter_fd_, bytes);
}

// A node closed under the wait ends it at its time-out at the latest; whoever opens the mouse
// again sets the event anyway.
bool LinuxWakeEvent::Wait(uint32_t timeout_ms) {
  std::array<pollfd, 2> fds = {pollfd{counter_fd_, POLLIN, 0},
                               pollfd{watched_fd_.load(), POLLIN, 0}};
  const size_t count = fds[1].fd >= 0 ? 2 : 1;
  return system_.Poll(std::span(fds.data(), count), static_cast<int>(timeout_ms)) > 0;
}

void LinuxWakeEvent::Watch(int fd, size_t length) {
  buffer_.assign(length, 0);
  watched_fd_.store(fd);
}

}  // namespace vx
