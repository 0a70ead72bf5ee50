#include "tests/linux/fake_hidraw_system.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "support/hand_made_descriptors.h"

namespace vx::test {

namespace {

constexpr char kUevent[] =
    "DRIVER=hid-generic\nHID_ID=0003:000004D9:0000A09F\nHID_NAME=Vantorelliax Gaming Mouse\n"
    "HID_PHYS=usb-0000:00:14.0-2/input1\nHID_UNIQ=\nMODALIAS=hid:b0003g0001v000004D9p0000A09F\n";

constexpr short kHangUp = POLLERR | POLLHUP;

}  // namespace

FakeHidrawSystem::FakeHidrawSystem(sim::WireTrace& trace, const sim::MouseMemory& memory)
    : trace_(trace), firmware_(sim::ProbeMode::kScrambled, memory) {
  nodes_["hidraw0"] = {NodeKind::kPointer, kPointerDescriptor};
  nodes_["hidraw1"] = {NodeKind::kEvent, kEventDescriptor};
  nodes_["hidraw2"] = {NodeKind::kVendor, kVendorDescriptor};
}

int FakeHidrawSystem::Fail(int error) {
  errno = error;
  return -1;
}

void FakeHidrawSystem::EmitEvent(uint8_t code, uint8_t value) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& [fd, file] : files_) {
    if (!file.counter && file.kind == NodeKind::kEvent) {
      file.queued.push_back({6, code, 0, value, 0, 0, 0, 0});
    }
  }
  changed_.notify_all();
}

size_t FakeHidrawSystem::open_files() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return files_.size();
}

FakeHidrawSystem::File* FakeHidrawSystem::Find(int fd) {
  const auto found = files_.find(fd);
  return found == files_.end() ? nullptr : &found->second;
}

const FakeHidrawSystem::Node* FakeHidrawSystem::NodeAt(const std::string& path,
                                                       const std::string& folder,
                                                       std::string& rest) const {
  if (path.rfind(folder + "/", 0) != 0) return nullptr;
  const std::string tail = path.substr(folder.size() + 1);
  const size_t slash = tail.find('/');
  const auto node = nodes_.find(tail.substr(0, slash));
  if (node == nodes_.end()) return nullptr;
  rest = slash == std::string::npos ? "" : tail.substr(slash);
  return &node->second;
}

std::optional<std::vector<std::string>> FakeHidrawSystem::ListFolder(const std::string& path) {
  if (path != Folders().hidraw_class) {
    errno = ENOENT;
    return std::nullopt;
  }
  // Not in the nodes' order, as a folder lists.
  return std::vector<std::string>{"hidraw2", "hidraw0", "hidraw1"};
}

std::optional<std::vector<uint8_t>> FakeHidrawSystem::ReadSmallFile(const std::string& path) {
  std::string rest;
  const Node* node = NodeAt(path, Folders().hidraw_class, rest);
  if (node && rest == "/device/uevent") {
    return std::vector<uint8_t>(kUevent, kUevent + std::strlen(kUevent));
  }
  if (node && rest == "/device/report_descriptor") return node->descriptor;
  errno = ENOENT;
  return std::nullopt;
}

int FakeHidrawSystem::Open(const std::string& path, int) {
  std::string rest;
  const Node* node = NodeAt(path, Folders().devices, rest);
  if (!node || !rest.empty()) return Fail(ENOENT);
  std::lock_guard<std::mutex> lock(mutex_);
  files_[next_fd_].kind = node->kind;
  return next_fd_++;
}

int FakeHidrawSystem::EventFd() {
  std::lock_guard<std::mutex> lock(mutex_);
  files_[next_fd_].counter = true;
  return next_fd_++;
}

int FakeHidrawSystem::Close(int fd) {
  std::lock_guard<std::mutex> lock(mutex_);
  return files_.erase(fd) == 1 ? 0 : Fail(EBADF);
}

ssize_t FakeHidrawSystem::Read(int fd, std::span<uint8_t> bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  File* file = Find(fd);
  if (!file) return Fail(EBADF);
  if (file->counter) {
    if (file->count == 0 || bytes.size() < sizeof file->count) return Fail(EAGAIN);
    std::memcpy(bytes.data(), &file->count, sizeof file->count);
    file->count = 0;
    return sizeof file->count;
  }
  if (Readiness(*file, POLLIN) != POLLIN) return Fail(EAGAIN);
  const std::vector<uint8_t> report = std::move(file->queued.front());
  file->queued.pop_front();
  // hidraw passes numbered reports on whole and unnumbered ones without their ID byte.
  const size_t skipped = file->kind == NodeKind::kVendor ? 1 : 0;
  const size_t length = std::min(bytes.size(), report.size() - skipped);
  std::copy_n(report.begin() + skipped, length, bytes.begin());
  if (file->kind == NodeKind::kVendor) {
    trace_.Read(report);
  } else {
    trace_.Event(report);
  }
  return static_cast<ssize_t>(length);
}

ssize_t FakeHidrawSystem::Write(int fd, std::span<const uint8_t> bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  File* file = Find(fd);
  if (!file) return Fail(EBADF);
  if (file->counter) {
    uint64_t added = 0;
    if (bytes.size() != sizeof added) return Fail(EINVAL);
    std::memcpy(&added, bytes.data(), sizeof added);
    file->count += added;
    changed_.notify_all();
    return sizeof added;
  }
  if (file->kind != NodeKind::kVendor) return Fail(EPIPE);
  trace_.Write(bytes);
  firmware_.ReceiveOutputReport(bytes);
  return static_cast<ssize_t>(bytes.size());
}

short FakeHidrawSystem::Readiness(File& file, short asked) {
  if (file.counter) return file.count > 0 ? (asked & POLLIN) : 0;
  if (file.kind == NodeKind::kVendor && file.queued.empty()) {
    if (auto report = firmware_.TakeInputReport()) {
      file.queued.emplace_back(report->begin(), report->end());
    }
  }
  // A hidraw node is always writable.
  return static_cast<short>(asked & ((file.queued.empty() ? 0 : POLLIN) | POLLOUT));
}

int FakeHidrawSystem::MarkReady(std::span<pollfd> fds) {
  int ready = 0;
  for (pollfd& entry : fds) {
    File* file = Find(entry.fd);
    entry.revents = file ? Readiness(*file, entry.events) : POLLNVAL;
    if (entry.revents != 0) ++ready;
  }
  return ready;
}

// Only another thread's write to an eventfd or the mouse's own notifications end a wait; a
// command the mouse has not answered yet never will be.
bool FakeHidrawSystem::CanChangeMeanwhile(std::span<const pollfd> fds) {
  return std::any_of(fds.begin(), fds.end(), [&](const pollfd& entry) {
    File* file = Find(entry.fd);
    return file && (file->counter || file->kind == NodeKind::kEvent);
  });
}

int FakeHidrawSystem::Poll(std::span<pollfd> fds, int timeout_ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!CanChangeMeanwhile(fds)) {
    const int ready = MarkReady(fds);
    if (ready == 0) trace_.Timeout(static_cast<uint32_t>(timeout_ms));
    return ready;
  }
  ++waiting_readers_;
  changed_.notify_all();
  changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                    [&] { return MarkReady(fds) > 0; });
  --waiting_readers_;
  return MarkReady(fds);
}

bool FakeHidrawSystem::WaitUntilEventsHandled(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] {
    const bool all_read = std::all_of(files_.begin(), files_.end(), [](const auto& entry) {
      return entry.second.queued.empty() || entry.second.kind != NodeKind::kEvent;
    });
    return all_read && waiting_readers_ > 0;
  });
}

int FakeHidrawSystem::SetFeature(int fd, std::span<const uint8_t> report) {
  std::lock_guard<std::mutex> lock(mutex_);
  File* file = Find(fd);
  if (!file) return Fail(EBADF);
  // The mouse stalls a control transfer it cannot take.
  if (file->counter || file->kind != NodeKind::kVendor || report.size() != kFeatureReportSize) {
    return Fail(EPIPE);
  }
  trace_.SetFeature(report, firmware_.ReceiveFeature(report));
  return static_cast<int>(report.size());
}

int FakeHidrawSystem::GetFeature(int fd, std::span<uint8_t> report) {
  std::lock_guard<std::mutex> lock(mutex_);
  File* file = Find(fd);
  if (!file) return Fail(EBADF);
  if (file->counter || file->kind != NodeKind::kVendor || report.size() != kFeatureReportSize) {
    return Fail(EPIPE);
  }
  const auto answer = firmware_.AnswerFeature();
  if (!answer) {
    trace_.Add("get-feature failed");
    return Fail(EPIPE);
  }
  std::copy(answer->wire.begin(), answer->wire.end(), report.begin());
  trace_.GetFeature(answer->wire, answer->plain);
  return static_cast<int>(report.size());
}

}  // namespace vx::test
