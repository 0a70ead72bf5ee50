#pragma once

#include <cstdint>

#include "settings/profile.h"
#include "settings/settings_record.h"

namespace vx {

// The setup the pages and the macro editor edit, the one last loaded or applied (which Cancel
// gives back whole, so the macros the record sends always equal the macros the editor lists),
// and config.bin's first byte.
struct SettingsStore {
  Profile current;
  Profile snapshot;
  // The language whose key texts the pages show and edit.
  LanguageIndex language = kEnglish;
  uint8_t first_run_flag = 0;
  // Windows' pointer settings were set (by "Default", or by an apply that stopped) since the
  // snapshot was taken, so Windows no longer holds the snapshot's.
  bool pointer_changed_since_snapshot = false;

  KeyTexts& key_texts() { return current.key_texts[language]; }
  const KeyTexts& key_texts() const { return current.key_texts[language]; }

  void TakeSnapshot() {
    snapshot = current;
    pointer_changed_since_snapshot = false;
  }
  void RestoreSnapshot() { current = snapshot; }
};

// The factory key assignment, alike for both key sets.
void ApplyKeySetDefaults(SettingsRecord& record, KeySetId set);

// DPI stage indices by sensor type, done in the first-time set-up of each run.
void ApplyDpiDefaults(SettingsRecord& record, uint8_t sensor_type);

}  // namespace vx
