#include "settings/settings_store.h"

namespace vx {

void ApplyKeySetDefaults(SettingsRecord& record, KeySetId set) {
  KeySet& keys = KeySetOf(record, set);
  keys.key_type = {0, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 15};
  ButtonBytes& dpi_functions = KeyParam6Of(record, set);
  dpi_functions[5] = 3;            // DPI Loop
  dpi_functions[7] = 4;            // Shift DPI
  keys.combo_modifiers[8] = 0x08;  // left Windows
  keys.combo_usage1[8] = 0x07;     // D
}

void ApplyDpiDefaults(SettingsRecord& record, uint8_t sensor_type) {
  if (sensor_type == 0) record.dpi_index = {1, 4, 7, 10};
  if (sensor_type == 2) record.dpi_index = {1, 3, 5, 7};
}

}  // namespace vx
