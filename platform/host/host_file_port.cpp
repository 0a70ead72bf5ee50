#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "platform/temporary_names.h"

namespace vx {

namespace {

FileRead ReadFailure(FileRead::Outcome outcome, int error) {
  FileRead read;
  read.outcome = outcome;
  read.error = static_cast<uint32_t>(error);
  return read;
}

FileRead OpenFailure(int error) {
  const bool missing = error == ENOENT || error == ENOTDIR;
  return ReadFailure(missing ? FileRead::Outcome::kMissing : FileRead::Outcome::kUnreadable, error);
}

FileRead NotAFile(const struct stat& info) {
  return ReadFailure(FileRead::Outcome::kNotAFile, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
}

// At most size bytes: a file that grows meanwhile is not followed.
FileRead ReadOpenFile(int fd, size_t size) {
  FileRead read;
  read.size = size;
  read.bytes.resize(size);
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, read.bytes.data() + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return ReadFailure(FileRead::Outcome::kUnreadable, errno);
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  read.bytes.resize(done);
  read.outcome = FileRead::Outcome::kRead;
  return read;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return false;
    if (wrote == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// The temporary file takes the target's permissions (and owner, where we may give it) and
// reaches the disk before it takes the target's name.
int SettleTemporary(const std::string& temporary, const std::string& target) {
  const int fd = open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat target_info;
  int error = 0;
  if (stat(target.c_str(), &target_info) == 0 && S_ISREG(target_info.st_mode)) {
    if (fchmod(fd, target_info.st_mode & 07777) != 0) error = errno;
    if (error == 0 && (target_info.st_uid != geteuid() || target_info.st_gid != getegid())) {
      // Only a privileged saver may hand the file back to its owner; others keep their own.
      const int ignored = fchown(fd, target_info.st_uid, target_info.st_gid);
      (void)ignored;
    }
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  close(fd);
  return error;
}

// After a rename the folder holds the new name only once the folder itself is flushed.
// Folders that cannot be flushed (EINVAL: the file system has nothing to flush) pass.
int SyncFolderOf(const std::string& target) {
  std::filesystem::path folder = std::filesystem::path(target).parent_path();
  if (folder.empty()) folder = ".";
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  const int error = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  close(fd);
  return error;
}

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

  std::vector<std::wstring> ListFiles(const std::wstring& path) override {
    std::vector<std::wstring> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ToUtf8(path), error)) {
      if (entry.is_regular_file(error)) files.push_back(entry.path().filename().wstring());
    }
    return files;
  }

  uint32_t CreateFolder(const std::wstring& path) override {
    const std::string folder = ToUtf8(path);
    if (mkdir(folder.c_str(), 0755) == 0) return 0;
    const int error = errno;
    struct stat info;
    return error == EEXIST && stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)
               ? 0
               : static_cast<uint32_t>(error);
  }

  bool Exists(const std::wstring& path) override {
    struct stat info;
    return stat(ToUtf8(path).c_str(), &info) == 0;
  }

  FileRead Read(const std::wstring& path, uint64_t max_bytes) override {
    return ReadRegularFile(std::filesystem::path(ToUtf8(path)), max_bytes);
  }

  TemporaryFile CreateTemporary(const std::wstring& target,
                                std::span<const uint8_t> bytes) override {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
      const std::wstring name = FreshTemporaryName(target, static_cast<unsigned>(getpid()));
      const std::string path = ToUtf8(name);
      // O_EXCL: never an existing file or folder, nor a link of that name, dangling or not.
      const int fd =
          open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
      if (fd < 0 && errno == EEXIST) continue;
      if (fd < 0) return {L"", static_cast<uint32_t>(errno)};
      if (!WriteAll(fd, bytes)) {
        const int error = errno;
        close(fd);
        unlink(path.c_str());
        return {L"", static_cast<uint32_t>(error)};
      }
      if (close(fd) != 0) {
        const int error = errno;
        unlink(path.c_str());
        return {L"", static_cast<uint32_t>(error)};
      }
      return {name, 0};
    }
    return {L"", static_cast<uint32_t>(EEXIST)};
  }

  uint32_t PutInPlace(const std::wstring& temporary, const std::wstring& target) override {
    const std::string from = ToUtf8(temporary);
    const std::string to = ToUtf8(target);
    int error = SettleTemporary(from, to);
    if (error == 0 && rename(from.c_str(), to.c_str()) != 0) error = errno;
    if (error != 0) {
      unlink(from.c_str());
      return static_cast<uint32_t>(error);
    }
    return static_cast<uint32_t>(SyncFolderOf(to));
  }

  void Remove(const std::wstring& path) override { unlink(ToUtf8(path).c_str()); }

  uint32_t Rename(const std::wstring& from, const std::wstring& to) override {
    // RENAME_NOREPLACE: a name that is taken stays with what holds it.
    if (renameat2(AT_FDCWD, ToUtf8(from).c_str(), AT_FDCWD, ToUtf8(to).c_str(), RENAME_NOREPLACE) !=
        0) {
      return static_cast<uint32_t>(errno);
    }
    return 0;
  }

  bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) override {
    const int fd = open(ToUtf8(path).c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes);
    return close(fd) == 0 && written;
  }
};

}  // namespace

FileRead ReadRegularFile(const std::filesystem::path& path, uint64_t max_bytes) {
  // Looked at before opening, so that a device is never opened at all.
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return OpenFailure(errno);
  if (!S_ISREG(info.st_mode)) return NotAFile(info);
  // O_NONBLOCK: should the name be a pipe by now, opening it does not wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return OpenFailure(errno);
  FileRead read;
  // The open file decides: the name may have changed hands since it was looked at.
  if (fstat(fd, &info) != 0) {
    read = ReadFailure(FileRead::Outcome::kUnreadable, errno);
  } else if (!S_ISREG(info.st_mode)) {
    read = NotAFile(info);
  } else {
    read.size = static_cast<uint64_t>(info.st_size);
    if (read.size > max_bytes) {
      read.outcome = FileRead::Outcome::kTooLarge;
      read.error = EFBIG;
    } else {
      const int flags = fcntl(fd, F_GETFL);
      if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
      read = ReadOpenFile(fd, static_cast<size_t>(read.size));
    }
  }
  close(fd);
  return read;
}

std::unique_ptr<FilePort> CreateSystemFilePort() {
  return std::make_unique<HostFilePort>();
}

}  // namespace vx
