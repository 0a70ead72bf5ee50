#include "settings/factory_settings.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace vx {

SettingsRecord FactoryRecord() {
  SettingsRecord record{};
  ApplyKeySetDefaults(record, KeySetId::kA);
  ApplyKeySetDefaults(record, KeySetId::kB);
  record.report_rate_code = 1;
  record.dpi_index = {1, 4, 7, 10};
  record.dpi_enabled = {1, 1, 1, 1};
  record.dpi_colour = {255, 40, 40, 40, 230, 110, 40, 140, 255, 255, 190, 30};
  record.light_mode = 1;
  record.light_param1 = 9;  // 100 %
  record.light_param2 = 0;
  record.light_param3 = 1;
  record.light_sub1 = 1;
  record.light_sub2 = 1;
  record.light_sub3 = 2;
  record.pointer_precision = 1;
  record.mouse_speed_step = 6;  // speed 10
  record.wheel_scroll_lines = 3;
  record.double_click_step = 6;  // 500 ms
  return record;
}

std::array<uint8_t, kConfigFileSize> FactoryConfigFile() {
  std::array<uint8_t, kConfigFileSize> bytes{};
  const auto record = RecordToBytes(FactoryRecord());
  std::copy(record.begin(), record.end(), bytes.begin() + 1);
  return bytes;
}

}  // namespace vx
