#include <windows.h>

#include <algorithm>

#include "platform/system_files.h"
#include "platform/temporary_names.h"

namespace vx {

namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The attributes a replaced file hands on to the file that takes its place.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr)) return false;
    if (wrote == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    done += wrote;
  }
  return true;
}

FileRead ReadFailure(FileRead::Outcome outcome, DWORD error) {
  FileRead read;
  read.outcome = outcome;
  read.error = error;
  return read;
}

FileRead OpenFailure(DWORD error) {
  const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  return ReadFailure(missing ? FileRead::Outcome::kMissing : FileRead::Outcome::kUnreadable, error);
}

FileRead NotAFile() {
  return ReadFailure(FileRead::Outcome::kNotAFile, ERROR_INVALID_FUNCTION);
}

// At most size bytes: a file that grows meanwhile is not followed.
FileRead ReadOpenFile(HANDLE file, uint64_t size) {
  FileRead read;
  read.size = size;
  read.bytes.resize(static_cast<size_t>(size));
  size_t done = 0;
  while (done < read.bytes.size()) {
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(read.bytes.size() - done, 1 << 20));
    if (!ReadFile(file, read.bytes.data() + done, chunk, &got, nullptr)) {
      return ReadFailure(FileRead::Outcome::kUnreadable, GetLastError());
    }
    if (got == 0) break;
    done += got;
  }
  read.bytes.resize(done);
  read.outcome = FileRead::Outcome::kRead;
  return read;
}

// The temporary file reaches the disk before it takes the target's name, whoever wrote it.
DWORD FlushTemporary(const std::wstring& temporary) {
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  const DWORD error = FlushFileBuffers(file) ? 0 : GetLastError();
  CloseHandle(file);
  return error;
}

class Win32FilePort : public FilePort {
 public:
  std::vector<std::wstring> ListFiles(const std::wstring& path) override {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path + L"\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
      if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0) {
        files.emplace_back(found.cFileName);
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
  }

  uint32_t CreateFolder(const std::wstring& path) override {
    if (CreateDirectoryW(path.c_str(), nullptr)) return 0;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS && IsFolder(path) ? 0 : error;
  }

  std::vector<std::wstring> ListFolders(const std::wstring& path) override {
    std::vector<std::wstring> folders;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path + L"\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return folders;
    do {
      const std::wstring name = found.cFileName;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") {
        folders.push_back(name);
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return folders;
  }

  bool Exists(const std::wstring& path) override {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  FileRead Read(const std::wstring& path, uint64_t max_bytes) override {
    return ReadRegularFile(std::filesystem::path(path), max_bytes);
  }

  TemporaryFile CreateTemporary(const std::wstring& target,
                                std::span<const uint8_t> bytes) override {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
      const std::wstring name = FreshTemporaryName(target, GetCurrentProcessId());
      // CREATE_NEW: never an existing file or folder, nor a link of that name.
      HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
        return {L"", error};
      }
      if (!WriteAll(file, bytes)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        DeleteFileW(name.c_str());
        return {L"", error};
      }
      CloseHandle(file);
      return {name, 0};
    }
    return {L"", ERROR_FILE_EXISTS};
  }

  uint32_t PutInPlace(const std::wstring& temporary, const std::wstring& target) override {
    DWORD error = FlushTemporary(temporary);
    const DWORD target_attributes = GetFileAttributesW(target.c_str());
    if (error == 0 && target_attributes != INVALID_FILE_ATTRIBUTES &&
        (target_attributes & kKeptAttributes) != 0 &&
        !SetFileAttributesW(temporary.c_str(), target_attributes & kKeptAttributes)) {
      error = GetLastError();
    }
    // One step: readers see the old file or the new one, never a half-written one.
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      error = GetLastError();
    }
    if (error != 0) DeleteFileW(temporary.c_str());
    return error;
  }

  void Remove(const std::wstring& path) override { DeleteFileW(path.c_str()); }

  // Without MOVEFILE_REPLACE_EXISTING a name that is taken stays with what holds it.
  uint32_t Rename(const std::wstring& from, const std::wstring& to) override {
    return MoveFileExW(from.c_str(), to.c_str(), 0) ? 0 : GetLastError();
  }

  bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) override {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, bytes);
    CloseHandle(file);
    return written;
  }
};

}  // namespace

FileRead ReadRegularFile(const std::filesystem::path& path, uint64_t max_bytes) {
  // Looked at before opening, so that a device is never opened at all.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return OpenFailure(GetLastError());
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return NotAFile();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return OpenFailure(GetLastError());
  // The open file decides: the name may have changed hands since it was looked at.
  FileRead read;
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(file) != FILE_TYPE_DISK) {
    read = NotAFile();
  } else if (!GetFileInformationByHandle(file, &info)) {
    read = ReadFailure(FileRead::Outcome::kUnreadable, GetLastError());
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    read = NotAFile();
  } else {
    const uint64_t size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > max_bytes) {
      read.outcome = FileRead::Outcome::kTooLarge;
      read.size = size;
      read.error = ERROR_FILE_TOO_LARGE;
    } else {
      read = ReadOpenFile(file, size);
    }
  }
  CloseHandle(file);
  return read;
}

std::unique_ptr<FilePort> CreateSystemFilePort() {
  return std::make_unique<Win32FilePort>();
}

}  // namespace vx
