#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr size_t kProfileNameMaxChars = 31;
inline constexpr size_t kProgramNameMaxChars = 260;
// str.ini's texts are read into buffers of 1024 characters.
inline constexpr size_t kKeyTextMaxChars = 1023;

// Length in UTF-16 units, as Windows counts the characters of its buffers.
size_t Utf16Length(std::wstring_view text);

// Why each cannot stand in a profile, as words after the thing's name ("is blank", "holds the
// character '/'"), or nothing.
std::optional<std::string> ProfileNameFault(std::wstring_view name);
std::optional<std::string> ProgramNameFault(std::wstring_view program);
std::optional<std::string> MacroNameFault(std::wstring_view name);
// A down or up of a key the key-name table knows ("A   Dn"), or a delay "N ms".
std::optional<std::string> MacroItemFault(std::wstring_view item);

// Equal but for the case of A..Z, as record.ini's sections compare.
bool SameIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);
// Two program names that Windows takes for one file.
bool SameProgramName(std::wstring_view a, std::wstring_view b);

// record.ini lists the names of the macros the mouse holds only as far as its first 255
// characters: how many of these names it lists.
size_t MacroNamesListed(const std::vector<std::wstring>& names);

}  // namespace vx
