#include "tools/gmctl/config_input.h"

#include <filesystem>
#include <vector>

#include "platform/system_files.h"
#include "settings/config_file.h"

namespace vx::gmctl {

std::optional<SettingsStore> ReadConfigArgument(const std::string& path, std::ostream& err) {
  // The file's kind and size are checked before a byte is read: a pipe must not keep gmctl
  // waiting, nor a device (or a huge file) fill its memory.
  const FileRead read = ReadRegularFile(std::filesystem::path(path), kConfigFileSize);
  switch (read.outcome) {
    case FileRead::Outcome::kMissing:
      err << "gmctl: " << path << ": no such file\n";
      return std::nullopt;
    case FileRead::Outcome::kUnreadable:
    case FileRead::Outcome::kNotAFile:
      err << "gmctl: " << path << ": cannot be read\n";
      return std::nullopt;
    case FileRead::Outcome::kTooLarge:
    case FileRead::Outcome::kRead:
      break;
  }
  const uint64_t size = read.outcome == FileRead::Outcome::kRead ? read.bytes.size() : read.size;
  if (size != kConfigFileSize) {
    err << "gmctl: " << path << ": " << size << " bytes, but a config.bin has " << kConfigFileSize
        << "\n";
    return std::nullopt;
  }
  const std::vector<uint8_t>& bytes = read.bytes;
  SettingsStore store;
  store.first_run_flag = bytes[0];
  store.current.record = RecordFromBytes(
      std::span<const uint8_t, kSettingsRecordSize>(bytes.data() + 1, kSettingsRecordSize));
  return store;
}

}  // namespace vx::gmctl
