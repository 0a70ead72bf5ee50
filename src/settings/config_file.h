#pragma once

#include <string>

#include "common/diagnostic_port.h"
#include "common/message_port.h"
#include "settings/file_port.h"
#include "settings/settings_store.h"

namespace vx {

inline constexpr size_t kConfigFileSize = 1 + kSettingsRecordSize;

// config.bin: the first-run flag, then the record byte for byte.
class ConfigFile {
 public:
  ConfigFile(FilePort& files, MessagePort& messages, DiagnosticPort& diagnostics)
      : files_(files), messages_(messages), diagnostics_(diagnostics) {}

  // A missing or unreadable file, or anything but a regular file (a folder, a pipe, a device), is
  // reported and leaves the store as it is; a regular file of any other size is ignored silently,
  // and one larger than a config.bin is not even read.
  void Load(const std::wstring& path, SettingsStore& store);

  // Rewrites an existing file in one step; a missing one is reported, never created.
  void Save(const std::wstring& path, const SettingsStore& store);

 private:
  FilePort& files_;
  MessagePort& messages_;
  DiagnosticPort& diagnostics_;
};

}  // namespace vx
