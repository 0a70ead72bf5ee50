#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "common/text_format.h"
#include "platform/system_files.h"

namespace vx {

namespace {

// The program's wide paths, as UTF-8 for the POSIX calls.
class HostFilePort : public FilePort {
 public:
  std::vector<std::wstring> ListFolders(const std::wstring& path) override {
    std::vector<std::wstring> folders;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ToUtf8(path), error)) {
      if (entry.is_directory(error)) folders.push_back(entry.path().filename().wstring());
    }
    return folders;
  }

  bool Exists(const std::wstring& path) override {
    struct stat info;
    return stat(ToUtf8(path).c_str(), &info) == 0;
  }

  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) override {
    const int fd = open(ToUtf8(path).c_str(), O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    for (;;) {
      const ssize_t got = read(fd, chunk, sizeof(chunk));
      if (got < 0) {
        close(fd);
        return std::nullopt;
      }
      if (got == 0) break;
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
    close(fd);
    return bytes;
  }

  uint32_t ReplaceAll(const std::wstring& path, std::span<const uint8_t> bytes) override {
    const std::string target = ToUtf8(path);
    const std::string temporary = target + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return static_cast<uint32_t>(errno);
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) {
      const int error = errno;
      close(fd);
      unlink(temporary.c_str());
      return static_cast<uint32_t>(error);
    }
    close(fd);
    if (rename(temporary.c_str(), target.c_str()) != 0) {
      const int error = errno;
      unlink(temporary.c_str());
      return static_cast<uint32_t>(error);
    }
    return 0;
  }

  bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) override {
    const int fd = open(ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes);
    close(fd);
    return written;
  }

 private:
  static bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
      if (wrote <= 0) return false;
      done += static_cast<size_t>(wrote);
    }
    return true;
  }
};

}  // namespace

std::unique_ptr<FilePort> CreateSystemFilePort() {
  return std::make_unique<HostFilePort>();
}

}  // namespace vx
