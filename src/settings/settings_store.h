#pragma once

#include <cstdint>

#include "settings/settings_record.h"
#include "settings/str_ini.h"

namespace vx {

// The settings the pages edit with the buttons' texts, the state last loaded or applied, and
// config.bin's first byte. The texts belong to the snapshot too, so that they never disagree
// with the functions they name.
struct SettingsStore {
  SettingsRecord current{};
  KeyTexts key_texts{};
  SettingsRecord snapshot{};
  KeyTexts key_texts_snapshot{};
  uint8_t first_run_flag = 0;
  // Windows' pointer settings were set (by "Default", or by an apply that stopped) since the
  // snapshot was taken, so Windows no longer holds the snapshot's.
  bool pointer_changed_since_snapshot = false;

  void TakeSnapshot() {
    snapshot = current;
    key_texts_snapshot = key_texts;
    pointer_changed_since_snapshot = false;
  }
  void RestoreSnapshot() {
    current = snapshot;
    key_texts = key_texts_snapshot;
  }
};

// The factory key assignment, alike for both key sets.
void ApplyKeySetDefaults(SettingsRecord& record, KeySetId set);

// DPI stage indices by sensor type, done in the first-time set-up of each run.
void ApplyDpiDefaults(SettingsRecord& record, uint8_t sensor_type);

}  // namespace vx
