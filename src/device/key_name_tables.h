#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vx {

// One entry of a key-function dialog's list: the text it shows and the code it stands for.
struct KeyListEntry {
  std::wstring_view text;
  uint8_t code;
};

inline constexpr size_t kFireKeyCount = 61;
inline constexpr size_t kMediaKeyCount = 7;
inline constexpr size_t kWindowsFunctionCount = 11;

// The lists in list order. Fire-key texts are the same in every language; the media and
// Windows-function texts here are the English ones.
extern const std::array<KeyListEntry, kFireKeyCount> kFireKeyList;
extern const std::array<KeyListEntry, kMediaKeyCount> kMediaKeyList;
extern const std::array<KeyListEntry, kWindowsFunctionCount> kWindowsFunctionList;

// HID keyboard usage (or mouse-button code) of a system key-name text, compared exactly; 0 for
// names the mouse has no usage for, such as localised ones.
uint8_t KeyNameToUsage(std::wstring_view name);

// The key-name table's name for a usage (the first, where two names share one); empty for a
// usage the table does not name.
std::wstring_view UsageToKeyName(uint8_t usage);

// Code of a list index: keyboard usage or button code, consumer usage low bytes. 0 outside.
uint8_t FireIndexToUsage(int index);
uint8_t MediaIndexToUsage(int index);
uint8_t WindowsIndexToUsage(int index);

// High byte of the Windows function's consumer usage: 1 for 0..3, 2 for 4..10, 0 outside.
uint8_t WindowsUsageHigh(int index);

}  // namespace vx
