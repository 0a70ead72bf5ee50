#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/linux_hid_port.h"
#include "platform/linux/linux_system.h"

namespace vx::test {

struct NodeSpec {
  std::string name;    // "hidraw3"
  std::string hid_id;  // "0003:000004D9:0000A09F"
  std::vector<uint8_t> descriptor;
};

// /sys/class/hidraw and /dev as the kernel lays them out, in a temporary folder; the device
// nodes are plain files.
class HidrawTree {
 public:
  explicit HidrawTree(const std::vector<NodeSpec>& nodes);
  ~HidrawTree();
  HidrawTree(const HidrawTree&) = delete;
  HidrawTree& operator=(const HidrawTree&) = delete;

  HidrawFolders folders() const;
  // The node is unplugged: its sysfs folder and its device node go.
  void Remove(const std::string& node);

 private:
  std::filesystem::path root_;
};

// The kernel's calls, with failure triggers, and a record of the device nodes opened.
class TriggeredSystem : public LinuxSystem {
 public:
  std::set<std::string> refused;                 // opening these fails with EACCES
  std::function<void()> before_first_probe;      // before the first uevent is read
  std::function<void()> before_first_node_open;  // before the first device node is opened
  std::vector<std::string> opened;
  std::set<int> open_nodes;

  std::optional<std::vector<std::string>> ListFolder(const std::string& path) override;
  std::optional<std::vector<uint8_t>> ReadSmallFile(const std::string& path) override;
  int Open(const std::string& path, int flags) override;
  int Close(int fd) override;
  ssize_t Read(int fd, std::span<uint8_t> bytes) override { return kernel_->Read(fd, bytes); }
  ssize_t Write(int fd, std::span<const uint8_t> bytes) override {
    return kernel_->Write(fd, bytes);
  }
  int Poll(std::span<pollfd> fds, int timeout_ms) override {
    return kernel_->Poll(fds, timeout_ms);
  }
  int SetFeature(int fd, std::span<const uint8_t> report) override {
    return kernel_->SetFeature(fd, report);
  }
  int GetFeature(int fd, std::span<uint8_t> report) override {
    return kernel_->GetFeature(fd, report);
  }
  int EventFd() override { return kernel_->EventFd(); }

 private:
  static void RunOnce(std::function<void()>& trigger);
  std::unique_ptr<LinuxSystem> kernel_ = CreateLinuxSystem();
};

}  // namespace vx::test
