// Reads of the event collection: readiness-based on hidraw, so a read in flight is only a node
// the wake event watches, and cancelling it leaves nothing behind in the kernel.
#include <algorithm>
#include <cerrno>

#include "platform/linux/linux_hid_port.h"
#include "platform/linux/linux_wake_event.h"

namespace vx {

std::shared_ptr<WakeEvent> LinuxHidPort::CreateWakeEvent() {
  const int fd = system_.EventFd();
  if (fd < 0) {
    Failed();
    return nullptr;
  }
  return std::make_shared<LinuxWakeEvent>(system_, fd);
}

bool LinuxHidPort::BeginEventRead(HidHandle handle, size_t length, WakeEvent& wake) {
  const auto open = Find(handle);
  if (!open) return false;
  // A removed device's node stays ready with its hang-up; a read on it would end at once, again
  // and again, where Windows refuses to start one.
  const std::optional<IoResult> ended = AwaitInput(open->fd, 0);
  if (ended && ended->status == IoStatus::kFailed) return false;
  static_cast<LinuxWakeEvent&>(wake).Watch(open->fd, length);
  return true;
}

IoResult LinuxHidPort::PollEventRead(HidHandle handle, WakeEvent& wake, std::span<uint8_t> out) {
  auto& event = static_cast<LinuxWakeEvent&>(wake);
  const auto open = Find(handle);
  if (!open) return {IoStatus::kFailed, 0};
  if (const auto ended = AwaitInput(open->fd, 0)) {
    if (ended->status == IoStatus::kTimedOut) return {IoStatus::kPending, 0};
    event.StopWatching();
    return *ended;
  }
  std::vector<uint8_t>& buffer = event.buffer();
  std::fill(buffer.begin(), buffer.end(), 0);
  const IoResult taken = TakeInputReport(*open, buffer);
  if (taken.status == IoStatus::kPending) return taken;
  event.StopWatching();
  if (taken.status == IoStatus::kDone) {
    std::copy_n(buffer.begin(), std::min({taken.bytes, buffer.size(), out.size()}), out.begin());
  }
  return taken;
}

void LinuxHidPort::CancelEventRead(HidHandle, WakeEvent& wake) {
  static_cast<LinuxWakeEvent&>(wake).StopWatching();
}

bool LinuxHidPort::WaitForEventReadEnd(WakeEvent& wake, uint32_t) {
  static_cast<LinuxWakeEvent&>(wake).StopWatching();
  return true;
}

void LinuxHidPort::AbandonEventRead(WakeEvent& wake) {
  static_cast<LinuxWakeEvent&>(wake).StopWatching();
}

}  // namespace vx
