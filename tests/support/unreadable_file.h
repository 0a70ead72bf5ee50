#pragma once

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace vx::test {

// Keeps an existing file from being read while it lives, without touching its size or write
// time: an exclusive handle on Windows, no permissions elsewhere (which a superuser ignores).
class UnreadableFile {
 public:
#ifdef _WIN32
  explicit UnreadableFile(const std::filesystem::path& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
#else
  explicit UnreadableFile(const std::filesystem::path& path) : path_(path) {
    chmod(path_.c_str(), 0);
  }
#endif
  ~UnreadableFile() {
#ifdef _WIN32
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
#else
    chmod(path_.c_str(), 0644);
#endif
  }
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

 private:
#ifdef _WIN32
  HANDLE handle_;
#else
  std::filesystem::path path_;
#endif
};

}  // namespace vx::test
