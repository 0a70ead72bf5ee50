#include "tools/gmctl/config_input.h"

#include <filesystem>
#include <vector>

#include "common/text_format.h"
#include "platform/system_files.h"
#include "settings/config_file.h"

namespace vx::gmctl {

namespace {

// The file read within the limit, or nullopt after the line naming why it cannot be. The kind and
// size are checked before a byte is read: a pipe must not keep gmctl waiting, nor a device (or a
// huge file) fill its memory. A file beyond the limit comes back unread, with its size.
std::optional<FileRead> ReadArgument(const std::string& path, uint64_t limit, std::ostream& err) {
  FileRead read = ReadRegularFile(std::filesystem::path(path), limit);
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
  return read;
}

std::optional<SettingsStore> ConfigFrom(const std::string& path, const FileRead& read,
                                        std::ostream& err) {
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

std::optional<ProfileFile> ProfileFrom(const std::string& path, const FileRead& read,
                                       std::ostream& err) {
  if (read.outcome == FileRead::Outcome::kTooLarge) {
    err << "gmctl: " << path << ": " << read.size << " bytes, more than a profile file's 1 MiB\n";
    return std::nullopt;
  }
  ProfileFileRead profile = ReadProfileFile(read.bytes);
  if (!profile.file) {
    err << "gmctl: " << path << ": " << profile.error << "\n";
    return std::nullopt;
  }
  return std::move(profile.file);
}

bool HasProfileExtension(const std::string& path) {
  return std::filesystem::path(path).extension() == ToUtf8(kProfileFileExtension);
}

}  // namespace

std::optional<SettingsStore> ReadConfigArgument(const std::string& path, std::ostream& err) {
  const std::optional<FileRead> read = ReadArgument(path, kConfigFileSize, err);
  if (!read) return std::nullopt;
  return ConfigFrom(path, *read, err);
}

std::optional<ProfileFile> ReadProfileArgument(const std::string& path, std::ostream& err) {
  const std::optional<FileRead> read = ReadArgument(path, kLargestProfileFileBytes, err);
  if (!read) return std::nullopt;
  return ProfileFrom(path, *read, err);
}

std::optional<SettingsRecord> ReadRecordArgument(const std::string& path, std::ostream& err) {
  const std::optional<FileRead> read = ReadArgument(path, kLargestProfileFileBytes, err);
  if (!read) return std::nullopt;
  if (HasProfileExtension(path) || LooksLikeProfileFile(read->bytes)) {
    const std::optional<ProfileFile> profile = ProfileFrom(path, *read, err);
    if (!profile) return std::nullopt;
    return profile->setup.record;
  }
  const std::optional<SettingsStore> store = ConfigFrom(path, *read, err);
  if (!store) return std::nullopt;
  return store->current.record;
}

}  // namespace vx::gmctl
