#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct IniEntry {
  std::wstring name;
  std::optional<std::wstring> value;  // none for a line without '='
};

struct IniSection {
  std::wstring name;
  std::vector<IniEntry> entries;
};

// A profile file as the system holds it. A parsed file starts with a nameless section for the
// lines before the first header; blank lines and the spaces around names and values are not
// kept.
struct IniDocument {
  std::vector<IniSection> sections;
};

IniDocument ParseIni(std::wstring_view text);

// As the system writes a file: "[name]" and "name=value" lines, each ended by CRLF, nothing else.
std::wstring SerializeIni(const IniDocument& document);

// The system's white space: tab to carriage return, ^Z (DOS end of file) and space.
std::wstring_view TrimIni(std::wstring_view text);
std::wstring_view TrimIniLeft(std::wstring_view text);

// The text before the first zero, as a C string of it would read.
std::wstring_view UpToNul(std::wstring_view text);

// Names compare without regard to ASCII case.
bool SameIniName(std::wstring_view a, std::wstring_view b);

// The first section or entry of that name, or null.
IniSection* FindIniSection(IniDocument& document, std::wstring_view name);
IniEntry* FindIniEntry(IniSection& section, std::wstring_view name);

}  // namespace vx
