#pragma once

#include <map>
#include <tuple>

#include "settings/profile_store.h"

namespace vx::test {

// A profile store in memory that records what was written, for tests of the callers; the
// system's own semantics are tested against the INI engine and kernel32.
class MemoryProfile : public ProfileStore {
 public:
  using Key = std::tuple<std::wstring, std::wstring, std::wstring>;

  std::wstring GetString(const std::wstring& file, const std::wstring& section,
                         const std::wstring& key, const std::wstring& default_value,
                         size_t buffer_chars) override {
    const auto found = values.find({file, section, key});
    std::wstring value = found == values.end() ? default_value : found->second;
    if (value.size() >= buffer_chars) value.resize(buffer_chars ? buffer_chars - 1 : 0);
    return value;
  }
  bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                   const std::optional<std::wstring>& value) override {
    ++writes;
    if (value)
      values[{file, section, key}] = *value;
    else
      values.erase({file, section, key});
    return true;
  }
  bool DeleteSection(const std::wstring&, const std::wstring&) override { return true; }
  std::wstring SectionNames(const std::wstring&, size_t) override { return L""; }

  std::map<Key, std::wstring> values;
  int writes = 0;
};

}  // namespace vx::test
