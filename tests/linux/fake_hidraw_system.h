#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/linux/linux_hid_port.h"
#include "platform/linux/linux_system.h"
#include "sim/mouse_firmware.h"
#include "sim/wire_trace.h"

namespace vx::test {

// The kernel as the mouse's three hidraw nodes show it, in the virtual bus's order: hidraw0 the
// pointer, hidraw1 the notifications, hidraw2 the commands. The virtual mouse's firmware answers
// behind them, and the trace records what crosses as the virtual bus records it. Waits that
// nothing could end run out at once, their time-outs counted in the trace as the bus counts them.
class FakeHidrawSystem : public LinuxSystem {
 public:
  FakeHidrawSystem(sim::WireTrace& trace, const sim::MouseMemory& memory);

  static HidrawFolders Folders() { return {"/sys/class/hidraw", "/dev"}; }

  // The mouse announces something: report ID 6, code, 0, value.
  void EmitEvent(uint8_t code, uint8_t value);
  // True, within the time-out, once every notification was read and a reader waits again.
  bool WaitUntilEventsHandled(std::chrono::milliseconds timeout);
  sim::MouseFirmware& firmware() { return firmware_; }
  size_t open_files() const;

  std::optional<std::vector<std::string>> ListFolder(const std::string& path) override;
  std::optional<std::vector<uint8_t>> ReadSmallFile(const std::string& path) override;
  int Open(const std::string& path, int flags) override;
  int Close(int fd) override;
  ssize_t Read(int fd, std::span<uint8_t> bytes) override;
  ssize_t Write(int fd, std::span<const uint8_t> bytes) override;
  int Poll(std::span<pollfd> fds, int timeout_ms) override;
  int SetFeature(int fd, std::span<const uint8_t> report) override;
  int GetFeature(int fd, std::span<uint8_t> report) override;
  int EventFd() override;

 private:
  enum class NodeKind { kPointer, kEvent, kVendor };
  struct Node {
    NodeKind kind;
    std::vector<uint8_t> descriptor;
  };
  struct File {
    bool counter = false;
    NodeKind kind = NodeKind::kPointer;
    uint64_t count = 0;
    // Reports as the firmware made them, the report ID byte in front.
    std::deque<std::vector<uint8_t>> queued;
  };

  File* Find(int fd);
  // The node behind the path under the folder, as "hidrawN".
  const Node* NodeAt(const std::string& path, const std::string& folder, std::string& rest) const;
  short Readiness(File& file, short asked);
  int MarkReady(std::span<pollfd> fds);
  bool CanChangeMeanwhile(std::span<const pollfd> fds);
  static int Fail(int error);

  sim::WireTrace& trace_;
  sim::MouseFirmware firmware_;
  std::map<std::string, Node> nodes_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::map<int, File> files_;
  int next_fd_ = 3;
  int waiting_readers_ = 0;
};

}  // namespace vx::test
