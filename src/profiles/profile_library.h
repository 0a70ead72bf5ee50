#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "profiles/profile_file.h"
#include "profiles/profile_switcher.h"
#include "settings/file_port.h"

namespace vx {

// The profiles the program keeps: one NAME.vxprofile file each in the folder Profiles beside it.
// A profile is known by its file's name; names compare without regard to case, as Windows
// compares file names.
class ProfileLibrary {
 public:
  ProfileLibrary(FilePort& files, std::wstring folder)
      : files_(files), folder_(std::move(folder)) {}

  bool FolderExists() { return files_.Exists(folder_); }
  uint32_t MakeFolder() { return files_.CreateFolder(folder_); }

  // Sorted without regard to case.
  std::vector<std::wstring> Names();
  // The name as the folder spells it, when a profile of that name is there.
  std::optional<std::wstring> Find(const std::wstring& name);
  std::wstring PathOf(const std::wstring& name) const;

  // The profile's file read and checked; it carries its file's name.
  ProfileFileRead Read(const std::wstring& name);
  // Every profile that reads well, in Names() order.
  std::vector<ProfilePrograms> Programs();

  // Each in one step: 0 or the system's error code.
  uint32_t Save(const ProfileFile& profile);
  // The profile under its new name, the file holding it too.
  uint32_t Rename(const std::wstring& from, const std::wstring& to);
  void Remove(const std::wstring& name);

 private:
  FilePort& files_;
  std::wstring folder_;
};

}  // namespace vx
