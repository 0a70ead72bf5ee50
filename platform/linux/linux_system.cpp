#include "platform/linux/linux_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace vx {

namespace {

class KernelSystem : public LinuxSystem {
 public:
  std::optional<std::vector<std::string>> ListFolder(const std::string& path) override {
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(folder);
    return names;
  }

  std::optional<std::vector<uint8_t>> ReadSmallFile(const std::string& path) override {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    ssize_t got;
    while ((got = read(fd, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
      if (got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    }
    const int error = errno;
    close(fd);
    errno = error;
    if (got < 0) return std::nullopt;
    return bytes;
  }

  int Open(const std::string& path, int flags) override { return open(path.c_str(), flags); }
  int Close(int fd) override { return close(fd); }
  ssize_t Read(int fd, std::span<uint8_t> bytes) override {
    return read(fd, bytes.data(), bytes.size());
  }
  ssize_t Write(int fd, std::span<const uint8_t> bytes) override {
    return write(fd, bytes.data(), bytes.size());
  }
  int Poll(std::span<pollfd> fds, int timeout_ms) override {
    return poll(fds.data(), fds.size(), timeout_ms);
  }
  int SetFeature(int fd, std::span<const uint8_t> report) override {
    // The kernel copies the report in and leaves the buffer alone.
    return ioctl(fd, HIDIOCSFEATURE(report.size()), const_cast<uint8_t*>(report.data()));
  }
  int GetFeature(int fd, std::span<uint8_t> report) override {
    return ioctl(fd, HIDIOCGFEATURE(report.size()), report.data());
  }
  int EventFd() override { return eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC); }
};

}  // namespace

std::unique_ptr<LinuxSystem> CreateLinuxSystem() {
  return std::make_unique<KernelSystem>();
}

}  // namespace vx
