#pragma once

#include <optional>
#include <string>

#include "settings/file_port.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"
#include "settings/profile_store.h"

namespace vx {

// The private-profile calls over plain files, behaving as the system (Wine's kernel32) does.
// Every call reads the file afresh; every change rewrites the whole file in its own encoding,
// and a call that changes nothing leaves the file alone.
class IniProfileStore : public ProfileStore {
 public:
  explicit IniProfileStore(FilePort& files) : files_(files) {}

  std::wstring GetString(const std::wstring& file, const std::wstring& section,
                         const std::wstring& key, const std::wstring& default_value,
                         size_t buffer_chars) override;
  bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                   const std::optional<std::wstring>& value) override;
  bool DeleteSection(const std::wstring& file, const std::wstring& section) override;
  std::wstring SectionNames(const std::wstring& file, size_t buffer_chars) override;
  uint32_t LastError() override { return last_error_; }

 private:
  struct Profile {
    IniEncoding encoding = IniEncoding::kAnsi;
    IniDocument document;
  };

  // None when the file is there but cannot be read (or is no regular file, or is beyond
  // kMaxProfileFileBytes), so that no write replaces it.
  std::optional<Profile> Load(const std::wstring& file);
  IniDocument Read(const std::wstring& file);
  bool Save(const std::wstring& file, const Profile& profile);
  bool DeleteKey(const std::wstring& file, const std::wstring& section, const std::wstring& key);

  FilePort& files_;
  uint32_t last_error_ = 0;
};

}  // namespace vx
