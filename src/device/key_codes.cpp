#include "device/key_codes.h"

#include <algorithm>
#include <utility>

namespace vx {

namespace {

// Buttons 10 and 11 of the record have no place in the matrix.
constexpr size_t kSentButtonCount = 10;
constexpr std::array<size_t, kSentButtonCount> kMatrixSlot = {0, 1, 2, 8, 9, 5, 6, 3, 4, 7};

// A fire key of the left button: three clicks at speed 34.
constexpr uint8_t kTripleClickSpeed = 34;
constexpr uint8_t kTripleClickTimes = 3;

enum SpecialFunction : uint8_t { kSpecialShift = 2, kSpecialRgbOnOff = 3 };

constexpr std::pair<std::wstring_view, uint8_t> kModifierBits[] = {
    {L"Left Ctrl", 0x01},  {L"Left Shift", 0x02},  {L"Left Alt", 0x04},  {L"Left Win", 0x08},
    {L"Right Ctrl", 0x10}, {L"Right Shift", 0x20}, {L"Right Alt", 0x40}, {L"Right Win", 0x80},
};

KeyCode MouseButton(uint8_t code) {
  return MakeKeyCode(kCodeMouseButton, 0, code, 0);
}

// Into a cleared matrix, so slots 10..13 stay 0.
void FillMatrix(const KeySet& keys, const ButtonBytes& key_param6,
                std::array<KeyCode, kKeyMatrixSlots>& matrix) {
  for (size_t button = 0; button < kSentButtonCount; ++button) {
    matrix[kMatrixSlot[button]] = EncodeKeyCode(keys, key_param6, button);
  }
  // The mouse expects these two codes in the last slots.
  matrix[14] = MouseButton(0xF7);
  matrix[15] = MouseButton(0xF8);
}

}  // namespace

KeyCode EncodeKeyCode(const KeySet& keys, const ButtonBytes& key_param6, size_t button) {
  switch (keys.key_type[button]) {
    case kKeyLeftClick:
      return MouseButton(kButtonLeft);
    case kKeyRightClick:
      return MouseButton(kButtonRight);
    case kKeyMidClick:
      return MouseButton(kButtonMiddle);
    case kKeyForward:
      return MouseButton(kButtonForward);
    case kKeyBackward:
      return MouseButton(kButtonBackward);
    case kKeyTripleClick:
      return MakeKeyCode(kCodeFire, kButtonLeft, kTripleClickSpeed, kTripleClickTimes);
    case kKeyDpiSwitch:
      return MakeKeyCode(kCodeDpi, 0, key_param6[button], key_param6[button] == kDpiShift ? 1 : 0);
    case kKeyRgbOnOff:
      return MakeKeyCode(kCodeSpecial, 0, kSpecialRgbOnOff, 0);
    case kKeyWindows:
      return MakeKeyCode(kCodeConsumer, 0, keys.windows_usage_low[button],
                         keys.windows_usage_high[button]);
    case kKeyMultimedia:
      return MakeKeyCode(kCodeConsumer, 0, keys.media_usage[button], 0);
    case kKeyFireKey:
      return MakeKeyCode(kCodeFire, keys.fire_usage[button], keys.fire_speed[button],
                         keys.fire_times[button]);
    case kKeySingleKey:
      return MakeKeyCode(kCodeKeyboard, 0, keys.single_usage[button], 0);
    case kKeyComboKey:
      return MakeKeyCode(kCodeKeyboard, keys.combo_modifiers[button], keys.combo_usage1[button],
                         keys.combo_usage2[button]);
    case kKeyMacroKey:
      return MakeKeyCode(kCodeMacro, keys.macro_repeat[button],
                         static_cast<uint8_t>(keys.macro_index[button] + 1), 0);
    case kKeyShift:
      return MakeKeyCode(kCodeSpecial, 0, kSpecialShift, 0);
    default:  // Key Off and anything the menu does not know
      return 0;
  }
}

uint8_t ModifierNameToBits(std::wstring_view name) {
  const auto* it = std::find_if(std::begin(kModifierBits), std::end(kModifierBits),
                                [name](const auto& entry) { return entry.first == name; });
  return it == std::end(kModifierBits) ? 0 : it->second;
}

void BuildKeyMatrices(const SettingsRecord& record, DeviceImage& image) {
  image.key_matrices = {};
  FillMatrix(record.key_set_a, record.key_param6_a, image.key_matrices[0]);
  FillMatrix(record.key_set_b, record.key_param6_b, image.key_matrices[2]);
}

}  // namespace vx
