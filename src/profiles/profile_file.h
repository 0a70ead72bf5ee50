#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/profile.h"

namespace vx {

inline constexpr wchar_t kProfileFileExtension[] = L".vxprofile";
// Far beyond any profile; a larger file is refused before it is read.
inline constexpr uint64_t kLargestProfileFileBytes = 1 << 20;

// One profile as its file holds it: a name, the programs it is meant for, and the setup.
struct ProfileFile {
  std::wstring name;
  std::vector<std::wstring> programs;
  Profile setup;

  bool operator==(const ProfileFile&) const = default;
};

// The file's text: UTF-8, "\n" line ends, every record field written.
std::string WriteProfileFile(const ProfileFile& file);

// A profile file read, or why not: one English line, "line 12: ..." naming the line at fault
// (line is 0 only for a file refused unread for its size).
struct ProfileFileRead {
  std::optional<ProfileFile> file;
  size_t error_line = 0;
  std::string error;
};

ProfileFileRead ReadProfileFile(std::span<const uint8_t> bytes);

// Whether the text is meant to be a profile file: the first line that is not blank or a comment
// is the header [Profile]. A config.bin never is.
bool LooksLikeProfileFile(std::span<const uint8_t> bytes);

// Why the profile would not read back from its file as it is, or nothing.
std::optional<std::string> ProfileWriteFault(const ProfileFile& file);

}  // namespace vx
