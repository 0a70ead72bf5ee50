#pragma once

#include <functional>
#include <string>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "settings/file_port.h"
#include "settings/file_saves.h"
#include "settings/settings_store.h"

namespace vx {

inline constexpr size_t kConfigFileSize = 1 + kSettingsRecordSize;

// What loading config.bin found.
struct ConfigLoad {
  enum class Outcome { kLoaded, kMissing, kDamaged };
  Outcome outcome = Outcome::kLoaded;
  // Where a damaged file now lies; empty when it could not be moved aside.
  std::wstring kept_as;
};

// Whether a record read from the file may stand: the pages could have made it.
using RecordCheck = std::function<bool(const SettingsRecord&)>;

// config.bin: the first-run flag, then the record byte for byte.
class ConfigFile {
 public:
  ConfigFile(FilePort& files, MessagePort& messages, FailedSaves& failed_saves,
             DiagnosticPort& diagnostics)
      : files_(files),
        messages_(messages),
        failed_saves_(failed_saves),
        diagnostics_(diagnostics) {}

  // A missing file ("Config file is not exist.") or a damaged one (anything but a regular file,
  // a file of another size, one that cannot be read or whose record the check refuses) gives the
  // factory settings with first-run flag 0, so the page and the mouse agree. A damaged file is
  // moved aside under a fresh name beside it ("config.bin.bad"); should that fail, no save
  // replaces it during this run.
  ConfigLoad Load(const std::wstring& path, SettingsStore& store, const RecordCheck& acceptable);

  // Writes the file in one step, creating a missing one.
  void Save(const std::wstring& path, const SettingsStore& store);

 private:
  ConfigLoad KeepAside(const std::wstring& path, uint32_t read_error);

  FilePort& files_;
  MessagePort& messages_;
  FailedSaves& failed_saves_;
  DiagnosticPort& diagnostics_;
  // A damaged file that could not be moved aside, and why.
  std::wstring guarded_path_;
  uint32_t guard_error_ = 0;
};

}  // namespace vx
