#include <windows.h>

#include <string_view>

#include "platform/system_profile.h"

namespace vx {

namespace {

// kernel32's private-profile calls. Each read goes into a zero-filled buffer of the caller's
// size, so what the call leaves unwritten reads as zeros.
class Win32ProfileStore : public ProfileStore {
 public:
  std::wstring GetString(const std::wstring& file, const std::wstring& section,
                         const std::wstring& key, const std::wstring& default_value,
                         size_t buffer_chars) override {
    std::wstring buffer(buffer_chars, L'\0');
    const DWORD copied =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), default_value.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer_chars), file.c_str());
    buffer.resize(copied);
    return buffer;
  }

  bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                   const std::optional<std::wstring>& value) override {
    return Succeeded(WritePrivateProfileStringW(section.c_str(), key.c_str(),
                                                value ? value->c_str() : nullptr, file.c_str()));
  }

  bool DeleteSection(const std::wstring& file, const std::wstring& section) override {
    return Succeeded(WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, file.c_str()));
  }

  // The list ends at its double zero. Wine writes a single zero for an empty list; the
  // zero-filled buffer supplies the second.
  std::wstring SectionNames(const std::wstring& file, size_t buffer_chars) override {
    std::wstring buffer(buffer_chars, L'\0');
    GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer_chars), file.c_str());
    const size_t end = buffer.find(std::wstring_view(L"\0\0", 2));
    if (end != std::wstring::npos) buffer.resize(end + 2);
    return buffer;
  }

  uint32_t LastError() override { return last_error_; }

 private:
  bool Succeeded(BOOL result) {
    if (result == FALSE) last_error_ = GetLastError();
    return result != FALSE;
  }

  uint32_t last_error_ = 0;
};

}  // namespace

std::unique_ptr<ProfileStore> CreateSystemProfileStore(FilePort&) {
  return std::make_unique<Win32ProfileStore>();
}

}  // namespace vx
