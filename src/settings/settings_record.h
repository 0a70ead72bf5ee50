#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vx {

inline constexpr size_t kButtonCount = 12;
inline constexpr size_t kMacroCount = 12;
inline constexpr size_t kMacroBytes = 128;
inline constexpr size_t kDpiStageCount = 4;
inline constexpr size_t kSettingsRecordSize = 0x7C1;

using ButtonBytes = std::array<uint8_t, kButtonCount>;

// One key set: 16 parallel arrays, one byte per button.
struct KeySet {
  ButtonBytes key_type;
  ButtonBytes media_index;
  ButtonBytes media_usage;
  ButtonBytes windows_index;
  ButtonBytes windows_usage_low;
  ButtonBytes windows_usage_high;
  ButtonBytes fire_index;
  ButtonBytes fire_usage;
  ButtonBytes fire_speed;
  ButtonBytes fire_times;
  ButtonBytes single_usage;
  ButtonBytes combo_modifiers;
  ButtonBytes combo_usage1;
  ButtonBytes combo_usage2;
  ButtonBytes macro_index;
  ButtonBytes macro_repeat;

  bool operator==(const KeySet&) const = default;
};

// Every persistent setting, laid out byte for byte as config.bin stores it.
struct SettingsRecord {
  KeySet key_set_a;
  KeySet key_set_b;
  std::array<uint8_t, kMacroCount * kMacroBytes> macro_data;
  std::array<uint8_t, 5> unused_780;
  uint8_t report_rate_code;
  uint8_t unused_786;
  std::array<uint8_t, kDpiStageCount> dpi_index;
  std::array<uint8_t, kDpiStageCount> dpi_enabled;
  std::array<uint8_t, kDpiStageCount * 3> dpi_colour;
  uint8_t light_mode;
  uint8_t light_param1;
  uint8_t light_param2;
  uint8_t light_param3;
  uint8_t light_sub1;
  uint8_t light_sub2;
  uint8_t light_sub3;
  uint8_t unused_7a2;
  uint8_t pointer_precision;
  uint8_t scroll_one_screen;
  uint8_t mouse_speed_step;
  uint8_t wheel_scroll_lines;
  uint8_t double_click_step;
  uint8_t current_key_set;
  ButtonBytes key_param6_a;
  ButtonBytes key_param6_b;

  bool operator==(const SettingsRecord&) const = default;
};

static_assert(sizeof(KeySet) == 192);
static_assert(offsetof(KeySet, media_index) == 0x00C);
static_assert(offsetof(KeySet, windows_index) == 0x024);
static_assert(offsetof(KeySet, windows_usage_high) == 0x03C);
static_assert(offsetof(KeySet, fire_index) == 0x048);
static_assert(offsetof(KeySet, fire_times) == 0x06C);
static_assert(offsetof(KeySet, single_usage) == 0x078);
static_assert(offsetof(KeySet, combo_modifiers) == 0x084);
static_assert(offsetof(KeySet, combo_usage2) == 0x09C);
static_assert(offsetof(KeySet, macro_index) == 0x0A8);
static_assert(offsetof(KeySet, macro_repeat) == 0x0B4);
static_assert(offsetof(SettingsRecord, key_set_b) == 0x0C0);
static_assert(offsetof(SettingsRecord, macro_data) == 0x180);
static_assert(offsetof(SettingsRecord, report_rate_code) == 0x785);
static_assert(offsetof(SettingsRecord, dpi_index) == 0x787);
static_assert(offsetof(SettingsRecord, dpi_enabled) == 0x78B);
static_assert(offsetof(SettingsRecord, dpi_colour) == 0x78F);
static_assert(offsetof(SettingsRecord, light_mode) == 0x79B);
static_assert(offsetof(SettingsRecord, light_sub1) == 0x79F);
static_assert(offsetof(SettingsRecord, light_sub3) == 0x7A1);
static_assert(offsetof(SettingsRecord, pointer_precision) == 0x7A3);
static_assert(offsetof(SettingsRecord, double_click_step) == 0x7A7);
static_assert(offsetof(SettingsRecord, current_key_set) == 0x7A8);
static_assert(offsetof(SettingsRecord, key_param6_a) == 0x7A9);
static_assert(offsetof(SettingsRecord, key_param6_b) == 0x7B5);
static_assert(sizeof(SettingsRecord) == kSettingsRecordSize);

enum class KeySetId : uint8_t { kA = 0, kB = 1 };

KeySet& KeySetOf(SettingsRecord& record, KeySetId set);
const KeySet& KeySetOf(const SettingsRecord& record, KeySetId set);
ButtonBytes& KeyParam6Of(SettingsRecord& record, KeySetId set);
const ButtonBytes& KeyParam6Of(const SettingsRecord& record, KeySetId set);

// Macro n (1..12) in the device's format.
std::span<uint8_t, kMacroBytes> MacroOf(SettingsRecord& record, size_t number);

// The record's bytes in file order, written and read field by field.
std::array<uint8_t, kSettingsRecordSize> RecordToBytes(const SettingsRecord& record);
SettingsRecord RecordFromBytes(std::span<const uint8_t, kSettingsRecordSize> bytes);

}  // namespace vx
