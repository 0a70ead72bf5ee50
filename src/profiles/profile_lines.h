#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vx {

// A problem of a profile file and the line (from 1) where it stands.
struct ProfileFileError {
  size_t line = 0;
  std::string problem;
};

// A line that carries something: a section header, or a key with its value. Blank lines and
// comments carry nothing.
struct ProfileLine {
  size_t number = 0;
  bool is_section = false;
  std::wstring name;  // the section's name, or the key
  std::wstring value;
};

struct ProfileLines {
  std::vector<ProfileLine> lines;
  // The first line that is no line of a profile file at all: not UTF-8, a control character,
  // neither a header nor a key and value.
  std::optional<ProfileFileError> error;
};

// The file's lines after a UTF-8 byte-order mark, each ended by "\n" or "\r\n", with names and
// values trimmed of spaces and tabs.
ProfileLines SplitProfileLines(std::span<const uint8_t> bytes);

}  // namespace vx
