#include "settings/settings_record.h"

#include <algorithm>
#include <vector>

namespace vx {

KeySet& KeySetOf(SettingsRecord& record, KeySetId set) {
  return set == KeySetId::kA ? record.key_set_a : record.key_set_b;
}

const KeySet& KeySetOf(const SettingsRecord& record, KeySetId set) {
  return set == KeySetId::kA ? record.key_set_a : record.key_set_b;
}

ButtonBytes& KeyParam6Of(SettingsRecord& record, KeySetId set) {
  return set == KeySetId::kA ? record.key_param6_a : record.key_param6_b;
}

const ButtonBytes& KeyParam6Of(const SettingsRecord& record, KeySetId set) {
  return set == KeySetId::kA ? record.key_param6_a : record.key_param6_b;
}

std::span<uint8_t, kMacroBytes> MacroOf(SettingsRecord& record, size_t number) {
  return std::span<uint8_t, kMacroBytes>(record.macro_data.data() + kMacroBytes * (number - 1),
                                         kMacroBytes);
}

namespace {

struct Field {
  size_t offset;
  std::span<uint8_t> bytes;
};

void AddKeySet(std::vector<Field>& fields, size_t base, KeySet& set) {
  ButtonBytes* arrays[] = {
      &set.key_type,          &set.media_index,        &set.media_usage,  &set.windows_index,
      &set.windows_usage_low, &set.windows_usage_high, &set.fire_index,   &set.fire_usage,
      &set.fire_speed,        &set.fire_times,         &set.single_usage, &set.combo_modifiers,
      &set.combo_usage1,      &set.combo_usage2,       &set.macro_index,  &set.macro_repeat,
  };
  for (size_t i = 0; i < std::size(arrays); ++i) {
    fields.push_back({base + i * kButtonCount, *arrays[i]});
  }
}

std::span<uint8_t> One(uint8_t& byte) {
  return std::span<uint8_t>(&byte, 1);
}

// Every field with its file offset, as the layout table gives it.
std::vector<Field> Fields(SettingsRecord& r) {
  std::vector<Field> fields;
  AddKeySet(fields, 0x000, r.key_set_a);
  AddKeySet(fields, 0x0C0, r.key_set_b);
  const Field rest[] = {
      {0x180, r.macro_data},
      {0x780, r.unused_780},
      {0x785, One(r.report_rate_code)},
      {0x786, One(r.unused_786)},
      {0x787, r.dpi_index},
      {0x78B, r.dpi_enabled},
      {0x78F, r.dpi_colour},
      {0x79B, One(r.light_mode)},
      {0x79C, One(r.light_param1)},
      {0x79D, One(r.light_param2)},
      {0x79E, One(r.light_param3)},
      {0x79F, One(r.light_sub1)},
      {0x7A0, One(r.light_sub2)},
      {0x7A1, One(r.light_sub3)},
      {0x7A2, One(r.unused_7a2)},
      {0x7A3, One(r.pointer_precision)},
      {0x7A4, One(r.scroll_one_screen)},
      {0x7A5, One(r.mouse_speed_step)},
      {0x7A6, One(r.wheel_scroll_lines)},
      {0x7A7, One(r.double_click_step)},
      {0x7A8, One(r.current_key_set)},
      {0x7A9, r.key_param6_a},
      {0x7B5, r.key_param6_b},
  };
  fields.insert(fields.end(), std::begin(rest), std::end(rest));
  return fields;
}

}  // namespace

std::array<uint8_t, kSettingsRecordSize> RecordToBytes(const SettingsRecord& record) {
  SettingsRecord copy = record;
  std::array<uint8_t, kSettingsRecordSize> bytes{};
  for (const Field& field : Fields(copy)) {
    std::copy(field.bytes.begin(), field.bytes.end(), bytes.begin() + field.offset);
  }
  return bytes;
}

SettingsRecord RecordFromBytes(std::span<const uint8_t, kSettingsRecordSize> bytes) {
  SettingsRecord record{};
  for (const Field& field : Fields(record)) {
    std::copy_n(bytes.begin() + field.offset, field.bytes.size(), field.bytes.begin());
  }
  return record;
}

}  // namespace vx
