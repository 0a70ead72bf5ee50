#include "device/full_apply.h"

#include <algorithm>

#include "device/dpi_tables.h"
#include "device/key_codes.h"
#include "device/record_check.h"

namespace vx {

void ApplyLighting(const SettingsRecord& record, DeviceImage& image) {
  auto& effect = image.effect_block;
  auto& led0 = image.led_colour_blocks[0];
  switch (record.light_mode) {
    case 1:
      effect = {1, static_cast<uint8_t>(record.light_param1 + 1), 2};
      led0[0] = 1;
      return;
    case 2:
      effect[0] = 2;
      effect[1] = static_cast<uint8_t>(record.light_param2 + 1);
      if (record.light_sub2 == 1) {
        effect[2] = 2;
        led0[0] = 1;
      } else if (record.light_sub2 == 2) {
        effect[2] = 3;
        led0 = {2, 2, 3};
      }
      return;
    case 3:
      effect[0] = 3;
      effect[1] = static_cast<uint8_t>(record.light_param3 + 1);
      if (record.light_sub3 == 2) led0 = {2, 100, 10};
      if (record.light_sub3 == 3) led0 = {3, 5, 5};
      return;
    default:
      return;
  }
}

void ApplyDpiColours(const SettingsRecord& record, DeviceImage& image) {
  auto& block = image.config_blocks[1];
  block.fill(0);
  std::copy(record.dpi_colour.begin(), record.dpi_colour.end(), block.begin());
}

void BuildDpiStageTable(const SettingsRecord& record, uint8_t sensor_type, DeviceImage& image) {
  image.dpi_stage_table.fill(kDpiDisabledBit);
  for (size_t stage = 0; stage < kDpiStageCount; ++stage) {
    const uint8_t code = DpiCode(sensor_type, record.dpi_index[stage]);
    image.dpi_stage_table[stage] = static_cast<uint8_t>(
        record.dpi_enabled[stage] == 0 ? code | kDpiDisabledBit : code & ~kDpiDisabledBit);
  }
  image.dpi_stage_count = kDpiStageCount;
}

bool FullApply::SendAll(const SettingsRecord& record) {
  PacingScope pacing(pause_);
  if (!commands_.WriteReportRate(record.report_rate_code) || !commands_.ReadEffect() ||
      !commands_.ReadLedColourBlocks() || !commands_.ReadConfigBlocks()) {
    return false;
  }
  ApplyLighting(record, image_);
  ApplyDpiColours(record, image_);
  if (!commands_.WriteConfigBlocks() || !commands_.WriteLedColourBlocks() ||
      !commands_.WriteEffect()) {
    return false;
  }
  BuildDpiStageTable(record, link_.sensor_type, image_);
  if (!commands_.WriteDpiTable()) return false;
  for (size_t slot = 0; slot < kMacroSlotCount; ++slot) {
    std::copy_n(record.macro_data.begin() + slot * kMacroSlotSize, kMacroSlotSize,
                image_.macro_slots[slot].begin());
  }
  if (!commands_.WriteMacroSlots() || !commands_.ReadMacroSlots()) return false;
  BuildKeyMatrices(record, image_);
  return commands_.WriteKeyMatrices();
}

ApplyResult FullApply::ApplyAllSettings(const SettingsRecord& record,
                                        const std::function<void()>& save) {
  ApplyResult result;
  result.refused = DeviceDataFault(record);
  if (result.refused) return result;
  if (!SendAll(record)) result.failed_command = commands_.failed_command();
  if (save) save();
  return result;
}

}  // namespace vx
