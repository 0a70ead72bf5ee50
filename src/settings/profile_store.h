#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vx {

// The system's private-profile calls (GetPrivateProfileStringW and friends), with their
// semantics: case-insensitive section and key names, trimmed keys and values, results truncated
// to the caller's buffer as the system truncates them, a missing file reading as empty.
class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The value, or the default when the key or the file is missing. At most buffer_chars - 1
  // characters come back, as from a buffer of buffer_chars characters.
  virtual std::wstring GetString(const std::wstring& file, const std::wstring& section,
                                 const std::wstring& key, const std::wstring& default_value,
                                 size_t buffer_chars) = 0;

  // Writes key=value, creating the file or the section as needed. A missing value deletes the
  // key.
  virtual bool WriteString(const std::wstring& file, const std::wstring& section,
                           const std::wstring& key, const std::optional<std::wstring>& value) = 0;

  // Deletes the whole section (the system's write with a null key).
  virtual bool DeleteSection(const std::wstring& file, const std::wstring& section) = 0;

  // The section names in file order, each ended by a zero, the list ended by a second zero,
  // truncated to a buffer of buffer_chars characters as the system truncates it.
  virtual std::wstring SectionNames(const std::wstring& file, size_t buffer_chars) = 0;

  // The system's error code of the last write or deletion that failed (0 when it gave none).
  virtual uint32_t LastError() = 0;
};

}  // namespace vx
