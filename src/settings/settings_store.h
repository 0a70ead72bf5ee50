#pragma once

#include <cstdint>

#include "settings/settings_record.h"

namespace vx {

// The settings the pages edit, the state last loaded or applied, and config.bin's first byte.
struct SettingsStore {
  SettingsRecord current{};
  SettingsRecord snapshot{};
  uint8_t first_run_flag = 0;

  void TakeSnapshot() { snapshot = current; }
  void RestoreSnapshot() { current = snapshot; }
};

// The factory key assignment, alike for both key sets.
void ApplyKeySetDefaults(SettingsRecord& record, KeySetId set);

// DPI stage indices by sensor type, done in the first-time set-up of each run.
void ApplyDpiDefaults(SettingsRecord& record, uint8_t sensor_type);

}  // namespace vx
