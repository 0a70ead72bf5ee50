#pragma once

#include <vector>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "settings/config_file.h"
#include "settings/data_paths.h"
#include "settings/file_port.h"
#include "settings/file_saves.h"
#include "settings/profile_store.h"
#include "settings/record_ini.h"
#include "settings/settings_store.h"
#include "settings/str_ini.h"

namespace vx {

// The setup's three files beside the program: config.bin (the record), record.ini (the macros)
// and str.ini (the buttons' texts, a section per language). One load and one save; each file is
// written in one step, and every save that fails is told with the others of the user's action.
class SetupFiles {
 public:
  SetupFiles(FilePort& files, ProfileStore& profile, MessagePort& messages,
             FailedSaves& failed_saves, DiagnosticPort& diagnostics, DataPaths paths);

  // The record as config.bin gives it (the factory settings for a missing or damaged one, see
  // ConfigFile), record.ini's macros compiled into its slots, so the record sends what the editor
  // lists, and every language's texts; the snapshot is the same.
  ConfigLoad Load(SettingsStore& store);

  // config.bin, record.ini and the shown language's texts; the other languages' sections stay
  // as loaded.
  void Save(const SettingsStore& store);
  // The same, with every language's texts: a profile that takes the program over replaces them
  // all.
  void SaveWhole(const SettingsStore& store);
  // record.ini alone: the macro editor's Confirm and Delete. Returns 0 or the system's error,
  // which is also told.
  uint32_t SaveMacros(const std::vector<Macro>& macros);
  // The shown language's texts alone: the defaults of a first start.
  void SaveKeyTexts(const SettingsStore& store);

  StrIni& str_ini() { return str_ini_; }
  const DataPaths& paths() const { return paths_; }

 private:
  FailedSaves& failed_saves_;
  DataPaths paths_;
  ConfigFile config_;
  RecordIni record_ini_;
  StrIni str_ini_;
};

}  // namespace vx
