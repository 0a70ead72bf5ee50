#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace vx {
namespace {

// Each field gets a marker byte; the marker must land at the offset the layout table gives.
TEST(SettingsRecord, FieldsSitAtTheirFileOffsets) {
  struct Case {
    std::function<void(SettingsRecord&)> set;
    size_t offset;
  };
  const Case cases[] = {
      {[](SettingsRecord& r) { r.key_set_a.key_type[0] = 0xA1; }, 0x000},
      {[](SettingsRecord& r) { r.key_set_a.media_usage[11] = 0xA1; }, 0x018 + 11},
      {[](SettingsRecord& r) { r.key_set_a.windows_usage_high[2] = 0xA1; }, 0x03C + 2},
      {[](SettingsRecord& r) { r.key_set_a.fire_speed[3] = 0xA1; }, 0x060 + 3},
      {[](SettingsRecord& r) { r.key_set_a.macro_repeat[11] = 0xA1; }, 0x0BF},
      {[](SettingsRecord& r) { r.key_set_b.key_type[0] = 0xA1; }, 0x0C0},
      {[](SettingsRecord& r) { r.key_set_b.windows_index[1] = 0xA1; }, 0x0E4 + 1},
      {[](SettingsRecord& r) { r.key_set_b.windows_usage_low[0] = 0xA1; }, 0x0F0},
      {[](SettingsRecord& r) { r.key_set_b.windows_usage_high[0] = 0xA1; }, 0x0FC},
      {[](SettingsRecord& r) { r.key_set_b.macro_repeat[11] = 0xA1; }, 0x17F},
      {[](SettingsRecord& r) { MacroOf(r, 1)[0] = 0xA1; }, 0x180},
      {[](SettingsRecord& r) { MacroOf(r, 12)[127] = 0xA1; }, 0x77F},
      {[](SettingsRecord& r) { r.report_rate_code = 0xA1; }, 0x785},
      {[](SettingsRecord& r) { r.dpi_index[0] = 0xA1; }, 0x787},
      {[](SettingsRecord& r) { r.dpi_enabled[3] = 0xA1; }, 0x78E},
      {[](SettingsRecord& r) { r.dpi_colour[11] = 0xA1; }, 0x79A},
      {[](SettingsRecord& r) { r.light_mode = 0xA1; }, 0x79B},
      {[](SettingsRecord& r) { r.light_param3 = 0xA1; }, 0x79E},
      {[](SettingsRecord& r) { r.light_sub2 = 0xA1; }, 0x7A0},
      {[](SettingsRecord& r) { r.pointer_precision = 0xA1; }, 0x7A3},
      {[](SettingsRecord& r) { r.wheel_scroll_lines = 0xA1; }, 0x7A6},
      {[](SettingsRecord& r) { r.current_key_set = 0xA1; }, 0x7A8},
      {[](SettingsRecord& r) { r.key_param6_a[0] = 0xA1; }, 0x7A9},
      {[](SettingsRecord& r) { r.key_param6_b[11] = 0xA1; }, 0x7C0},
  };
  for (const Case& c : cases) {
    SettingsRecord record{};
    c.set(record);
    const auto bytes = RecordToBytes(record);
    for (size_t i = 0; i < bytes.size(); ++i) {
      ASSERT_EQ(bytes[i], i == c.offset ? 0xA1 : 0x00) << "offset " << i << " case " << c.offset;
    }
  }
}

TEST(SettingsRecord, RoundTripsAnyBytes) {
  std::mt19937 random(7);
  std::array<uint8_t, kSettingsRecordSize> bytes;
  for (auto& b : bytes) b = static_cast<uint8_t>(random());
  const SettingsRecord record =
      RecordFromBytes(std::span<const uint8_t, kSettingsRecordSize>(bytes));
  EXPECT_EQ(RecordToBytes(record), bytes);
}

TEST(SettingsRecord, KeySetsAndTheirDpiFunctionsAreAddressedBySet) {
  SettingsRecord record{};
  KeySetOf(record, KeySetId::kB).combo_usage1[4] = 9;
  KeyParam6Of(record, KeySetId::kA)[2] = 3;
  EXPECT_EQ(record.key_set_b.combo_usage1[4], 9);
  EXPECT_EQ(record.key_set_a.combo_usage1[4], 0);
  EXPECT_EQ(record.key_param6_a[2], 3);
  EXPECT_EQ(record.key_param6_b[2], 0);
}

}  // namespace
}  // namespace vx
