#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/file_port.h"

namespace vx::test {

// Files in memory, with the failures a disk can have.
class MemoryFiles : public FilePort {
 public:
  bool Exists(const std::wstring& path) override { return files.count(path) != 0; }

  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) override {
    const auto found = files.find(path);
    if (found == files.end() || read_fails) return std::nullopt;
    return found->second;
  }

  uint32_t ReplaceAll(const std::wstring& path, std::span<const uint8_t> bytes) override {
    if (replace_error != 0) return replace_error;
    files[path].assign(bytes.begin(), bytes.end());
    return 0;
  }

  bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) override {
    if (files.count(path)) return false;
    files[path].assign(bytes.begin(), bytes.end());
    return true;
  }

  std::vector<std::wstring> ListFolders(const std::wstring& path) override {
    const auto found = folders.find(path);
    return found == folders.end() ? std::vector<std::wstring>{} : found->second;
  }

  std::map<std::wstring, std::vector<uint8_t>> files;
  // The folders in a folder, in listing order.
  std::map<std::wstring, std::vector<std::wstring>> folders;
  bool read_fails = false;
  uint32_t replace_error = 0;
};

}  // namespace vx::test
