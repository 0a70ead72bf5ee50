#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_port.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

namespace vx::test {

// A fresh directory under the system's temporary folder, removed with its files.
class TempDir {
 public:
  TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    std::random_device random;
    for (;;) {
      path_ = base / ("vx-profile-" + std::to_string(random()) + "-" + std::to_string(counter++));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::wstring File(std::wstring_view name) const { return (path_ / name).wstring(); }

 private:
  std::filesystem::path path_;
};

inline std::span<const uint8_t> Bytes(std::string_view bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// The file's bytes as a string, or none when there is no file.
inline std::optional<std::string> FileBytes(FilePort& files, const std::wstring& path) {
  const std::optional<std::vector<uint8_t>> bytes = files.ReadAll(path, kMaxProfileFileBytes);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

// The names in a folder, sorted.
inline std::vector<std::wstring> NamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder))) {
    names.push_back(entry.path().filename().wstring());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A byte-order mark and the text in UTF-16; the text is in the basic plane.
inline std::string Utf16File(std::wstring_view text, bool big_endian = false) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t c : text) {
    const char high = static_cast<char>((c >> 8) & 0xFF);
    const char low = static_cast<char>(c & 0xFF);
    bytes.push_back(big_endian ? high : low);
    bytes.push_back(big_endian ? low : high);
  }
  return bytes;
}

#ifndef _WIN32
// While it lives, no file of the process grows beyond the limit: a write past it fails with
// EFBIG as a write to a full disk fails with ENOSPC, even for root. Keep it to the one call
// under test, as the test's own output to a file is held to it too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_limit_);
    old_handler_ = signal(SIGXFSZ, SIG_IGN);  // a failed write instead of the signal's kill
    rlimit limit = old_limit_;
    limit.rlim_cur = std::min(bytes, old_limit_.rlim_max);
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_limit_);
    signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_limit_{};
  sighandler_t old_handler_ = SIG_DFL;
};
#endif

}  // namespace vx::test
