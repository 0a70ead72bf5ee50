#pragma once

#include <cstdint>

namespace vx {

// A keystroke by its place on the keyboard: the set-1 scan code and the extended-key flag that
// a key message's lParam carries (bits 16..23 and 24).
struct ScanCode {
  uint8_t code = 0;
  bool extended = false;
  bool operator==(const ScanCode&) const = default;
};

// ScanCode of a key message's lParam.
constexpr ScanCode ScanCodeOfKeyMessage(intptr_t lparam) {
  return {static_cast<uint8_t>((lparam >> 16) & 0xFF), ((lparam >> 24) & 1) != 0};
}

// The HID keyboard usage of the key at that place, whatever the keyboard layout names it; 0 for
// keys that have none (the Windows-only keys such as the application key have one, the system's
// own keys such as Break do not).
uint8_t ScanCodeToUsage(ScanCode scan);

}  // namespace vx
