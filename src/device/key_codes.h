#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device/device_image.h"
#include "settings/settings_record.h"

namespace vx {

// One button's function as a key matrix holds it: bytes b0..b3, b0 the lowest.
using KeyCode = uint32_t;

// b0: what b1..b3 mean.
enum KeyCodeType : uint8_t {
  kCodeKeyboard = 0,     // modifier bits, first usage, second usage
  kCodeMouseButton = 1,  // 0, button code, 0
  kCodeConsumer = 3,     // 0, usage low byte, usage high byte
  kCodeDpi = 7,          // 0, DPI function, 1 for "Shift DPI"
  kCodeSpecial = 8,      // 0, special function, 0
  kCodeMacro = 9,        // repeat mode, one-based macro number, 0
  kCodeFire = 10,        // key or button code, speed, times
};

// Mouse-button codes of type 1 (b2) and of fire keys (b1).
enum MouseButtonCode : uint8_t {
  kButtonLeft = 0xF0,
  kButtonRight = 0xF1,
  kButtonMiddle = 0xF2,
  kButtonBackward = 0xF3,  // "B4-Button"
  kButtonForward = 0xF4,   // "B5-Button"
};

// The function-menu entry stored per button as KeyType.
enum KeyType : uint8_t {
  kKeyLeftClick = 0,
  kKeyRightClick = 1,
  kKeyMidClick = 2,
  kKeyForward = 3,
  kKeyBackward = 4,
  kKeyTripleClick = 5,
  kKeyDpiSwitch = 6,
  kKeyRgbOnOff = 7,
  kKeyWindows = 8,
  kKeyMultimedia = 9,
  kKeyFireKey = 10,
  kKeySingleKey = 11,
  kKeyComboKey = 12,
  kKeyMacroKey = 13,
  kKeyShift = 14,
  kKeyOff = 15,
};

// DPI sub-functions stored as KeyParam6.
enum DpiFunction : uint8_t {
  kDpiUp = 1,
  kDpiDown = 2,
  kDpiLoop = 3,
  kDpiShift = 4,
};

constexpr KeyCode MakeKeyCode(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
  return KeyCode{b0} | KeyCode{b1} << 8 | KeyCode{b2} << 16 | KeyCode{b3} << 24;
}

// The four bytes in the order they go on the wire.
constexpr std::array<uint8_t, 4> KeyCodeBytes(KeyCode code) {
  return {static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8),
          static_cast<uint8_t>(code >> 16), static_cast<uint8_t>(code >> 24)};
}

// The code of one button (0..11) of a key set; key_param6 is that set's DPI sub-functions.
// Unknown key types give Key Off.
KeyCode EncodeKeyCode(const KeySet& keys, const ButtonBytes& key_param6, size_t button);

// Modifier bits of a modifier name from the combo-key dialog, compared exactly; 0 otherwise.
uint8_t ModifierNameToBits(std::wstring_view name);

// Matrix 1 from key set A, matrix 3 from key set B, matrices 2 and 4 all zero.
void BuildKeyMatrices(const SettingsRecord& record, DeviceImage& image);

}  // namespace vx
