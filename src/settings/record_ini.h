#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/file_port.h"
#include "settings/profile.h"
#include "settings/profile_store.h"

namespace vx {

inline constexpr size_t kMaxMacros = 12;
inline constexpr size_t kMacroNameMaxChars = 31;

// The names of a section-name list as the profile store gives it (each ended by a zero), in file
// order, as far as they end within its first 255 characters.
std::vector<std::wstring> SectionNamesWithin255(const std::wstring& section_names);

// record.ini: one section per macro, in macro order (the first section is slot 1), each with
// "ItemCount" and the items "Item0".."Item<n-1>".
class RecordIni {
 public:
  RecordIni(ProfileStore& profile, FilePort& files, std::wstring path)
      : profile_(profile), files_(files), path_(std::move(path)) {}

  // The macros the mouse can hold: the first twelve whose names end within the first 255
  // characters of the section list.
  const std::wstring& path() const { return path_; }
  std::vector<std::wstring> MacroNames();
  std::vector<std::wstring> Items(const std::wstring& macro);
  // The macro's section rewritten where it stands, so the macro keeps its place in the file and
  // its slot; item keys beyond the new count go. A new file starts Unicode, so names in any
  // language survive. Each change replaces the file in one step (see EditProfileFile) and returns
  // 0 or the system's error code, the file then as it was.
  uint32_t WriteItems(const std::wstring& macro, const std::vector<std::wstring>& items);
  uint32_t DeleteMacro(const std::wstring& macro);

  // The macros the mouse can hold, with their items.
  std::vector<Macro> Load();
  // The file holds these macros alone, in this order, so the file order stays the slot order.
  // In one step, as the other changes; a missing file starts Unicode.
  uint32_t WriteAll(const std::vector<Macro>& macros);

 private:
  size_t ItemCount(const std::wstring& macro);
  std::vector<std::wstring> SectionNamesOf(const std::wstring& file);

  ProfileStore& profile_;
  FilePort& files_;
  std::wstring path_;
};

}  // namespace vx
