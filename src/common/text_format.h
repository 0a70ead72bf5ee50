#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// printf-style formatting into a std::string; the compiler checks the arguments.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Plain ASCII widening, for the program's own fixed texts.
std::wstring Widen(std::string_view ascii);

// Every occurrence of what, replaced.
std::wstring ReplaceEvery(std::wstring text, std::wstring_view what, std::wstring_view with);

// UTF-8 from the program's wide text (UTF-16 on Windows, UTF-32 elsewhere).
std::string ToUtf8(std::wstring_view text);

// Without the spaces and tabs at either end, as the profile calls read names.
std::wstring TrimBlanks(std::wstring_view text);

// Lowercase hex digits, two per byte, no separators.
std::string HexString(std::span<const uint8_t> bytes);

// Lowercase hex digits, two per byte, separated by single spaces.
std::string SpacedHexString(std::span<const uint8_t> bytes);

// The runtime's string-to-long rules in base 10, with a 32-bit long: leading blanks and a sign,
// digits up to the first other character, 0 without digits, saturated at the limits.
int32_t TextToLong(std::wstring_view text);

// Parses an even number of hex digits (either case); nullopt on any other character.
std::optional<std::vector<uint8_t>> ParseHex(std::string_view text);

}  // namespace vx
