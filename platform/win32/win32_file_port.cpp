#include <windows.h>

#include <algorithm>

#include "platform/system_files.h"

namespace vx {

namespace {

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) return false;
    done += wrote;
  }
  return true;
}

class Win32FilePort : public FilePort {
 public:
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

  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) override {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(file, chunk, sizeof(chunk), &got, nullptr)) {
        CloseHandle(file);
        return std::nullopt;
      }
      if (got == 0) break;
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
    CloseHandle(file);
    return bytes;
  }

  uint32_t ReplaceAll(const std::wstring& path, std::span<const uint8_t> bytes) override {
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file)) {
      const DWORD error = GetLastError();
      CloseHandle(file);
      DeleteFileW(temporary.c_str());
      return error;
    }
    CloseHandle(file);
    // One step: readers see the old file or the new one, never a half-written one.
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      DeleteFileW(temporary.c_str());
      return error;
    }
    return 0;
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

std::unique_ptr<FilePort> CreateSystemFilePort() {
  return std::make_unique<Win32FilePort>();
}

}  // namespace vx
