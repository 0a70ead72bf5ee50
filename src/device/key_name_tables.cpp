#include "device/key_name_tables.h"

#include <algorithm>

namespace vx {

namespace {

// The system's key-name texts that the mouse has a usage for.
// clang-format off
constexpr KeyListEntry kKeyNames[] = {
    {L"A", 0x04}, {L"B", 0x05}, {L"C", 0x06}, {L"D", 0x07}, {L"E", 0x08}, {L"F", 0x09},
    {L"G", 0x0A}, {L"H", 0x0B}, {L"I", 0x0C}, {L"J", 0x0D}, {L"K", 0x0E}, {L"L", 0x0F},
    {L"M", 0x10}, {L"N", 0x11}, {L"O", 0x12}, {L"P", 0x13}, {L"Q", 0x14}, {L"R", 0x15},
    {L"S", 0x16}, {L"T", 0x17}, {L"U", 0x18}, {L"V", 0x19}, {L"W", 0x1A}, {L"X", 0x1B},
    {L"Y", 0x1C}, {L"Z", 0x1D},
    {L"1", 0x1E}, {L"2", 0x1F}, {L"3", 0x20}, {L"4", 0x21}, {L"5", 0x22}, {L"6", 0x23},
    {L"7", 0x24}, {L"8", 0x25}, {L"9", 0x26}, {L"0", 0x27},
    {L"Enter", 0x28}, {L"Esc", 0x29}, {L"Backspace", 0x2A}, {L"Tab", 0x2B}, {L"Space", 0x2C},
    {L"-", 0x2D}, {L"=", 0x2E}, {L"[", 0x2F}, {L"]", 0x30}, {L"\\", 0x31},
    {L"Eurpo(Note 2)", 0x32},
    {L";", 0x33}, {L"'", 0x34}, {L"`", 0x35}, {L",", 0x36}, {L".", 0x37}, {L"/", 0x38},
    {L"Caps Lock", 0x39},
    {L"F1", 0x3A}, {L"F2", 0x3B}, {L"F3", 0x3C}, {L"F4", 0x3D}, {L"F5", 0x3E}, {L"F6", 0x3F},
    {L"F7", 0x40}, {L"F8", 0x41}, {L"F9", 0x42}, {L"F10", 0x43}, {L"F11", 0x44}, {L"F12", 0x45},
    {L"Prnt Scrn", 0x46}, {L"Scroll Lock", 0x47}, {L"Pause", 0x48}, {L"Insert", 0x49},
    {L"Home", 0x4A}, {L"Page Up", 0x4B},
    {L"Delete", 0x4C}, {L"End", 0x4D}, {L"Page Down", 0x4E}, {L"Right", 0x4F}, {L"Left", 0x50},
    {L"Down", 0x51}, {L"Up", 0x52},
    {L"Num Lock", 0x53}, {L"Num /", 0x54}, {L"Num *", 0x55}, {L"Num -", 0x56}, {L"Num +", 0x57},
    {L"Num Enter", 0x58},
    {L"Num 1", 0x59}, {L"Num 2", 0x5A}, {L"Num 3", 0x5B}, {L"Num 4", 0x5C}, {L"Num 5", 0x5D},
    {L"Num 6", 0x5E}, {L"Num 7", 0x5F}, {L"Num 8", 0x60}, {L"Num 9", 0x61}, {L"Num 0", 0x62},
    {L"Num Del", 0x63},
    {L"Ctrl", 0xE0}, {L"Shift", 0xE1}, {L"Alt", 0xE2}, {L"Left Windows", 0xE3},
    {L"Right Ctrl", 0xE4}, {L"Right Shift", 0xE5}, {L"Right Alt", 0xE6}, {L"Right Windows", 0xE7},
    {L"L-Button", 0xF0}, {L"R-Button", 0xF1}, {L"M-Button", 0xF2},
};
// clang-format on

template <size_t N>
uint8_t CodeAt(const std::array<KeyListEntry, N>& list, int index) {
  return index >= 0 && static_cast<size_t>(index) < N ? list[index].code : 0;
}

}  // namespace

// clang-format off
constexpr std::array<KeyListEntry, kFireKeyCount> kFireKeyList = {{
    {L"A", 0x04}, {L"B", 0x05}, {L"C", 0x06}, {L"D", 0x07}, {L"E", 0x08}, {L"F", 0x09},
    {L"G", 0x0A}, {L"H", 0x0B}, {L"I", 0x0C}, {L"J", 0x0D}, {L"K", 0x0E}, {L"L", 0x0F},
    {L"M", 0x10}, {L"N", 0x11}, {L"O", 0x12}, {L"P", 0x13}, {L"Q", 0x14}, {L"R", 0x15},
    {L"S", 0x16}, {L"T", 0x17}, {L"U", 0x18}, {L"V", 0x19}, {L"W", 0x1A}, {L"X", 0x1B},
    {L"Y", 0x1C}, {L"Z", 0x1D},
    {L"1", 0x1E}, {L"2", 0x1F}, {L"3", 0x20}, {L"4", 0x21}, {L"5", 0x22}, {L"6", 0x23},
    {L"7", 0x24}, {L"8", 0x25}, {L"9", 0x26}, {L"0", 0x27},
    {L"L-CTRL", 0xE0}, {L"L-SHIFT", 0xE1}, {L"L-ALT", 0xE2},
    {L"R-CTRL", 0xE4}, {L"R-SHIFT", 0xE5}, {L"R-ALT", 0xE6},
    {L"F1", 0x3A}, {L"F2", 0x3B}, {L"F3", 0x3C}, {L"F4", 0x3D}, {L"F5", 0x3E}, {L"F6", 0x3F},
    {L"F7", 0x40}, {L"F8", 0x41}, {L"F9", 0x42}, {L"F10", 0x43}, {L"F11", 0x44}, {L"F12", 0x45},
    {L"L-Button", 0xF0}, {L"R-Button", 0xF1}, {L"M-Button", 0xF2}, {L"B4-Button", 0xF3},
    {L"B5-Button", 0xF4}, {L"L-Tilt Wheel", 0xF5}, {L"R-Tilt Wheel", 0xF6},
}};
// clang-format on

constexpr std::array<KeyListEntry, kMediaKeyCount> kMediaKeyList = {{
    {L"Next", 0xB5},
    {L"Previous", 0xB6},
    {L"Stop", 0xB7},
    {L"Play/Pause", 0xCD},
    {L"Mute", 0xE2},
    {L"Vol+", 0xE9},
    {L"Vol-", 0xEA},
}};

constexpr std::array<KeyListEntry, kWindowsFunctionCount> kWindowsFunctionList = {{
    {L"Multimedia Player", 0x83},
    {L"Mail", 0x8A},
    {L"Calculator", 0x92},
    {L"My Computer", 0x94},
    {L"Browser-Search", 0x21},
    {L"Browser-Home", 0x23},
    {L"Browser-Back", 0x24},
    {L"Browser-Forward", 0x25},
    {L"Browser-Stop", 0x26},
    {L"Browser-Refresh", 0x27},
    {L"Browser-My Favorites", 0x2A},
}};

uint8_t KeyNameToUsage(std::wstring_view name) {
  const auto* it = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                [name](const KeyListEntry& entry) { return entry.text == name; });
  return it == std::end(kKeyNames) ? 0 : it->code;
}

std::wstring_view UsageToKeyName(uint8_t usage) {
  if (usage == 0) return {};
  const auto* it = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                [usage](const KeyListEntry& entry) { return entry.code == usage; });
  return it == std::end(kKeyNames) ? std::wstring_view{} : it->text;
}

uint8_t FireIndexToUsage(int index) {
  return CodeAt(kFireKeyList, index);
}

uint8_t MediaIndexToUsage(int index) {
  return CodeAt(kMediaKeyList, index);
}

uint8_t WindowsIndexToUsage(int index) {
  return CodeAt(kWindowsFunctionList, index);
}

uint8_t WindowsUsageHigh(int index) {
  if (index < 0 || static_cast<size_t>(index) >= kWindowsFunctionCount) return 0;
  // Application launch usages are 0x01xx, browser ones 0x02xx.
  return index < 4 ? 1 : 2;
}

}  // namespace vx
