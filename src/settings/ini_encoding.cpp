#include "settings/ini_encoding.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "common/text_format.h"

namespace vx {

namespace {

constexpr std::array<uint8_t, 3> kUtf8Mark = {0xEF, 0xBB, 0xBF};
constexpr std::array<uint8_t, 2> kUtf16LeMark = {0xFF, 0xFE};
constexpr std::array<uint8_t, 2> kUtf16BeMark = {0xFE, 0xFF};
constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool StartsWith(std::span<const uint8_t> bytes, std::span<const uint8_t> mark) {
  return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

void AppendCodePoint(std::wstring& text, char32_t code) {
  if constexpr (kWideIsUtf16) {
    if (code >= 0x10000) {
      code -= 0x10000;
      text.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
      return;
    }
  }
  text.push_back(static_cast<wchar_t>(code));
}

// The code point of the well-formed UTF-8 sequence at bytes[at] and its length; otherwise
// length 0 and, in bad, how many bytes the broken sequence spans.
struct Utf8Step {
  char32_t code = 0;
  size_t length = 0;
  size_t bad = 1;
};

struct Utf8Lead {
  uint8_t mask;
  uint8_t pattern;
  size_t length;
  char32_t smallest;
};
constexpr Utf8Lead kUtf8Leads[] = {
    {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

Utf8Step ReadUtf8(std::span<const uint8_t> bytes, size_t at) {
  const uint8_t lead = bytes[at];
  if (lead < 0x80) return {lead, 1, 0};
  const Utf8Lead* form =
      std::find_if(std::begin(kUtf8Leads), std::end(kUtf8Leads),
                   [&](const Utf8Lead& l) { return (lead & l.mask) == l.pattern; });
  Utf8Step step;
  if (form == std::end(kUtf8Leads)) return step;
  char32_t code = lead & static_cast<uint8_t>(~form->mask);
  for (size_t i = 1; i < form->length; ++i) {
    if (at + i >= bytes.size() || (bytes[at + i] & 0xC0) != 0x80) return step;
    code = (code << 6) | (bytes[at + i] & 0x3F);
    ++step.bad;
  }
  if (code < form->smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return step;
  return {code, form->length, 0};
}

std::wstring DecodeUtf8(std::span<const uint8_t> bytes, bool bad_bytes_as_latin1) {
  std::wstring text;
  text.reserve(bytes.size());
  size_t at = 0;
  while (at < bytes.size()) {
    const Utf8Step step = ReadUtf8(bytes, at);
    if (step.length != 0) {
      AppendCodePoint(text, step.code);
      at += step.length;
    } else if (bad_bytes_as_latin1) {
      AppendCodePoint(text, bytes[at]);
      ++at;
    } else {
      AppendCodePoint(text, kReplacement);
      at += step.bad;
    }
  }
  return text;
}

std::wstring DecodeUtf16(std::span<const uint8_t> bytes, bool big_endian) {
  std::wstring text;
  const size_t units = bytes.size() / 2;
  text.reserve(units);
  auto unit_at = [&](size_t i) -> char32_t {
    const uint8_t first = bytes[2 * i];
    const uint8_t second = bytes[2 * i + 1];
    return big_endian ? (first << 8) | second : (second << 8) | first;
  };
  for (size_t i = 0; i < units; ++i) {
    char32_t code = unit_at(i);
    if constexpr (!kWideIsUtf16) {
      if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units) {
        const char32_t low = unit_at(i + 1);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          ++i;
        }
      }
    }
    AppendCodePoint(text, code);
  }
  return text;
}

void AppendUnit(std::vector<uint8_t>& bytes, char32_t unit, bool big_endian) {
  const uint8_t high = static_cast<uint8_t>(unit >> 8);
  const uint8_t low = static_cast<uint8_t>(unit);
  bytes.push_back(big_endian ? high : low);
  bytes.push_back(big_endian ? low : high);
}

void AppendUtf16(std::vector<uint8_t>& bytes, const std::wstring& text, bool big_endian) {
  for (wchar_t c : text) {
    char32_t code = static_cast<char32_t>(c);
    if (code > 0x10FFFF) code = kReplacement;
    if (code >= 0x10000) {
      code -= 0x10000;
      AppendUnit(bytes, 0xD800 + (code >> 10), big_endian);
      AppendUnit(bytes, 0xDC00 + (code & 0x3FF), big_endian);
    } else {
      AppendUnit(bytes, code, big_endian);
    }
  }
}

}  // namespace

IniText DecodeIniText(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, kUtf8Mark)) {
    return {IniEncoding::kUtf8, DecodeUtf8(bytes.subspan(kUtf8Mark.size()), false)};
  }
  if (StartsWith(bytes, kUtf16LeMark)) {
    return {IniEncoding::kUtf16Le, DecodeUtf16(bytes.subspan(kUtf16LeMark.size()), false)};
  }
  if (StartsWith(bytes, kUtf16BeMark)) {
    return {IniEncoding::kUtf16Be, DecodeUtf16(bytes.subspan(kUtf16BeMark.size()), true)};
  }
  return {IniEncoding::kAnsi, DecodeUtf8(bytes, true)};
}

std::optional<std::wstring> DecodeUtf8Strictly(std::span<const uint8_t> bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    const Utf8Step step = ReadUtf8(bytes, at);
    if (step.length == 0) return std::nullopt;
    AppendCodePoint(text, step.code);
    at += step.length;
  }
  return text;
}

std::vector<uint8_t> EncodeIniText(const IniText& text) {
  std::vector<uint8_t> bytes;
  switch (text.encoding) {
    case IniEncoding::kUtf8:
      bytes.assign(kUtf8Mark.begin(), kUtf8Mark.end());
      [[fallthrough]];
    case IniEncoding::kAnsi: {
      const std::string utf8 = ToUtf8(text.text);
      bytes.insert(bytes.end(), utf8.begin(), utf8.end());
      break;
    }
    case IniEncoding::kUtf16Le:
      bytes.assign(kUtf16LeMark.begin(), kUtf16LeMark.end());
      AppendUtf16(bytes, text.text, false);
      break;
    case IniEncoding::kUtf16Be:
      bytes.assign(kUtf16BeMark.begin(), kUtf16BeMark.end());
      AppendUtf16(bytes, text.text, true);
      break;
  }
  return bytes;
}

}  // namespace vx
