#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vx {

// How a profile file holds its text, told by its byte-order mark and kept on every rewrite.
enum class IniEncoding {
  kAnsi,     // no mark: read as UTF-8, a byte that is not UTF-8 as Latin-1
  kUtf8,     // EF BB BF
  kUtf16Le,  // FF FE
  kUtf16Be,  // FE FF
};

struct IniText {
  IniEncoding encoding = IniEncoding::kAnsi;
  std::wstring text;
};

// Any bytes decode to some text: bad sequences become characters, an odd last byte of UTF-16 is
// dropped.
IniText DecodeIniText(std::span<const uint8_t> bytes);

// The text of well-formed UTF-8 (no byte-order mark looked for), or nothing when a byte is not.
std::optional<std::wstring> DecodeUtf8Strictly(std::span<const uint8_t> bytes);

// The mark of the encoding, then the text in it.
std::vector<uint8_t> EncodeIniText(const IniText& text);

}  // namespace vx
