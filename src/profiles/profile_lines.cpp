#include "profiles/profile_lines.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "common/text_format.h"
#include "profiles/profile_file.h"
#include "settings/ini_encoding.h"

namespace vx {

namespace {

constexpr std::array<uint8_t, 3> kUtf8Mark = {0xEF, 0xBB, 0xBF};

bool IsControl(wchar_t c) {
  return (c < 0x20 && c != L'\t') || c == 0x7F;
}

// What one line holds, or why it cannot be in a profile file.
std::optional<std::string> ParseLine(std::span<const uint8_t> bytes, ProfileLine& line,
                                     bool& carries) {
  const std::optional<std::wstring> text = DecodeUtf8Strictly(bytes);
  if (!text) return "not UTF-8 text";
  if (std::any_of(text->begin(), text->end(), IsControl))
    return "a control character; only tabs may stand in a line";
  const std::wstring trimmed = TrimBlanks(*text);
  carries = !trimmed.empty() && trimmed[0] != L'#' && trimmed[0] != L';';
  if (!carries) return std::nullopt;
  if (trimmed[0] == L'[') {
    if (trimmed.back() != L']') return "a section header needs its closing ]";
    line.is_section = true;
    line.name = TrimBlanks(std::wstring_view(trimmed).substr(1, trimmed.size() - 2));
    if (line.name.empty()) return "a section header needs a name";
    return std::nullopt;
  }
  const size_t equals = trimmed.find(L'=');
  if (equals == std::wstring::npos) {
    return "expected Key = Value, a [Section] or a comment";
  }
  line.name = TrimBlanks(std::wstring_view(trimmed).substr(0, equals));
  line.value = TrimBlanks(std::wstring_view(trimmed).substr(equals + 1));
  if (line.name.empty()) return "a key is missing before =";
  return std::nullopt;
}

std::span<const uint8_t> WithoutMark(std::span<const uint8_t> bytes) {
  const bool marked = bytes.size() >= kUtf8Mark.size() &&
                      std::equal(kUtf8Mark.begin(), kUtf8Mark.end(), bytes.begin());
  return marked ? bytes.subspan(kUtf8Mark.size()) : bytes;
}

}  // namespace

ProfileLines SplitProfileLines(std::span<const uint8_t> bytes) {
  bytes = WithoutMark(bytes);
  ProfileLines result;
  size_t at = 0;
  for (size_t number = 1;; ++number) {
    const auto newline = std::find(bytes.begin() + static_cast<ptrdiff_t>(at), bytes.end(), '\n');
    const size_t end = static_cast<size_t>(newline - bytes.begin());
    std::span<const uint8_t> raw = bytes.subspan(at, end - at);
    if (!raw.empty() && raw.back() == '\r') raw = raw.first(raw.size() - 1);
    ProfileLine line;
    line.number = number;
    bool carries = false;
    if (std::optional<std::string> problem = ParseLine(raw, line, carries)) {
      result.error = ProfileFileError{number, *problem};
      return result;
    }
    if (carries) result.lines.push_back(std::move(line));
    if (end == bytes.size()) return result;
    at = end + 1;
  }
}

bool LooksLikeProfileFile(std::span<const uint8_t> bytes) {
  const std::span<const uint8_t> unmarked = WithoutMark(bytes);
  const std::string_view text(reinterpret_cast<const char*>(unmarked.data()), unmarked.size());
  constexpr std::string_view kHeader = "Profile";
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = text.substr(at, end - at);
    const size_t first = line.find_first_not_of(" \t\r");
    if (first != std::string_view::npos && line[first] != '#' && line[first] != ';') {
      const std::string_view rest = line.substr(first);
      const size_t name = rest.find_first_not_of(" \t", 1);
      return rest[0] == '[' && name != std::string_view::npos &&
             rest.substr(name, kHeader.size()) == kHeader;
    }
    at = end + 1;
  }
  return false;
}

}  // namespace vx
