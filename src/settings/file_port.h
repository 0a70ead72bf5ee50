#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vx {

// Whole-file access by the program's wide paths.
class FilePort {
 public:
  virtual ~FilePort() = default;

  virtual bool Exists(const std::wstring& path) = 0;

  // The file's bytes, or nullopt when it cannot be opened or read.
  virtual std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) = 0;

  // Writes the bytes to a temporary file beside the target and puts it in the target's place in
  // one step, so the target is either the old file or the new one, never a mix. Returns 0 on
  // success, otherwise the system's error code; the old file is then untouched.
  virtual uint32_t ReplaceAll(const std::wstring& path, std::span<const uint8_t> bytes) = 0;

  // Creates a new file with the given bytes; fails (false) when it already exists.
  virtual bool CreateNew(const std::wstring& path, std::span<const uint8_t> bytes) = 0;

  // The names of the folders in a folder ("." and ".." left out), in the order the system
  // lists them; none for a missing folder.
  virtual std::vector<std::wstring> ListFolders(const std::wstring& path) = 0;
};

}  // namespace vx
