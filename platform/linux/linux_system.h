#pragma once

#include <poll.h>
#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vx {

// The system calls of the hidraw port, one per operation, so that tests can put a device of
// their own behind them. Each returns what the call returns; one that fails returns -1 (or
// nothing) and leaves its code in errno.
class LinuxSystem {
 public:
  virtual ~LinuxSystem() = default;

  // The names in a folder, without "." and "..".
  virtual std::optional<std::vector<std::string>> ListFolder(const std::string& path) = 0;
  // A small file whole, as the attributes of sysfs are.
  virtual std::optional<std::vector<uint8_t>> ReadSmallFile(const std::string& path) = 0;

  virtual int Open(const std::string& path, int flags) = 0;
  virtual int Close(int fd) = 0;
  virtual ssize_t Read(int fd, std::span<uint8_t> bytes) = 0;
  virtual ssize_t Write(int fd, std::span<const uint8_t> bytes) = 0;
  virtual int Poll(std::span<pollfd> fds, int timeout_ms) = 0;
  // HIDIOCSFEATURE and HIDIOCGFEATURE of the report's length; byte 0 is the report ID.
  virtual int SetFeature(int fd, std::span<const uint8_t> report) = 0;
  virtual int GetFeature(int fd, std::span<uint8_t> report) = 0;
  // A non-blocking eventfd with the counter 0.
  virtual int EventFd() = 0;
};

// The kernel's calls.
std::unique_ptr<LinuxSystem> CreateLinuxSystem();

}  // namespace vx
