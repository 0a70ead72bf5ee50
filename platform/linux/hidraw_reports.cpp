// Output and input reports of a long transfer on a hidraw node.
#include <algorithm>
#include <cerrno>
#include <chrono>

#include "platform/linux/linux_hid_port.h"

namespace vx {

std::optional<IoResult> LinuxHidPort::AwaitInput(int fd, int timeout_ms) {
  pollfd entry{fd, POLLIN, 0};
  const int ready = system_.Poll({&entry, 1}, timeout_ms);
  // A signal that cut the wait short: the caller reads nothing and waits again.
  if (ready < 0 && errno == EINTR) return std::nullopt;
  if (ready < 0) return Failed();
  if (ready == 0) {
    last_error_ = ETIMEDOUT;
    return IoResult{IoStatus::kTimedOut, 0};
  }
  // The kernel keeps the node of a removed device open, hung up, until it is closed.
  if ((entry.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
    errno = ENODEV;
    return Failed();
  }
  return std::nullopt;
}

IoResult LinuxHidPort::TakeInputReport(const OpenCollection& open, std::span<uint8_t> report) {
  if (report.empty()) {
    errno = EINVAL;
    return Failed();
  }
  // hidraw hands the report on as the device sent it, without an ID byte where the descriptor
  // numbers no reports; Windows puts a 0 there.
  const ssize_t got = system_.Read(open.fd, open.numbered ? report : report.subspan(1));
  if (got < 0) return errno == EAGAIN ? IoResult{IoStatus::kPending, 0} : Failed();
  if (!open.numbered) {
    report[0] = 0;
    return {IoStatus::kDone, static_cast<size_t>(got) + 1};
  }
  // Every reader of a node gets the reports of all its collections.
  const std::vector<uint8_t>& ids = open.collection.input_report_ids;
  if (got > 0 && std::find(ids.begin(), ids.end(), report[0]) == ids.end()) {
    return {IoStatus::kPending, 0};
  }
  return {IoStatus::kDone, static_cast<size_t>(got)};
}

IoResult LinuxHidPort::ReadReport(HidHandle handle, std::span<uint8_t> report,
                                  uint32_t timeout_ms) {
  const auto open = Find(handle);
  if (!open) return {IoStatus::kFailed, 0};
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    const int wait_ms = static_cast<int>(std::max<int64_t>(0, left.count()));
    if (const auto ended = AwaitInput(open->fd, wait_ms)) return *ended;
    const IoResult taken = TakeInputReport(*open, report);
    if (taken.status != IoStatus::kPending) return taken;
  }
}

// hidraw's write returns once the report is out, within the USB core's own bound, and poll
// finds a hidraw node always writable: there is nothing to wait for before it.
IoResult LinuxHidPort::WriteReport(HidHandle handle, std::span<const uint8_t> report, uint32_t) {
  const auto open = Find(handle);
  if (!open) return {IoStatus::kFailed, 0};
  const ssize_t sent = system_.Write(open->fd, report);
  if (sent < 0) return Failed();
  return {IoStatus::kDone, static_cast<size_t>(sent)};
}

}  // namespace vx
