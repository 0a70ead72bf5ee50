#include "tests/linux/hidraw_tree.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>

namespace vx::test {

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

HidrawTree::HidrawTree(const std::vector<NodeSpec>& nodes) {
  static std::atomic<unsigned> counter{0};
  root_ = fs::temp_directory_path() /
          ("vx-hidraw-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::create_directories(root_ / "dev");
  fs::create_directories(root_ / "sys/class/hidraw");
  for (const NodeSpec& node : nodes) {
    const fs::path device = root_ / "sys/class/hidraw" / node.name / "device";
    fs::create_directories(device);
    WriteFile(device / "uevent", "DRIVER=hid-generic\nHID_ID=" + node.hid_id +
                                     "\nHID_NAME=Test Device " + node.name + "\n");
    WriteFile(device / "report_descriptor",
              std::string(node.descriptor.begin(), node.descriptor.end()));
    WriteFile(root_ / "dev" / node.name, "");
  }
}

HidrawTree::~HidrawTree() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

HidrawFolders HidrawTree::folders() const {
  return {(root_ / "sys/class/hidraw").string(), (root_ / "dev").string()};
}

void HidrawTree::Remove(const std::string& node) {
  fs::remove_all(root_ / "sys/class/hidraw" / node);
  fs::remove(root_ / "dev" / node);
}

void TriggeredSystem::RunOnce(std::function<void()>& trigger) {
  if (!trigger) return;
  const std::function<void()> run = std::move(trigger);
  trigger = nullptr;
  run();
}

std::optional<std::vector<std::string>> TriggeredSystem::ListFolder(const std::string& path) {
  return kernel_->ListFolder(path);
}

std::optional<std::vector<uint8_t>> TriggeredSystem::ReadSmallFile(const std::string& path) {
  if (path.ends_with("/uevent")) RunOnce(before_first_probe);
  return kernel_->ReadSmallFile(path);
}

int TriggeredSystem::Open(const std::string& path, int flags) {
  RunOnce(before_first_node_open);
  if (refused.count(path) != 0) {
    errno = EACCES;
    return -1;
  }
  const int fd = kernel_->Open(path, flags);
  if (fd >= 0) {
    opened.push_back(path);
    open_nodes.insert(fd);
  }
  return fd;
}

int TriggeredSystem::Close(int fd) {
  open_nodes.erase(fd);
  return kernel_->Close(fd);
}

}  // namespace vx::test
