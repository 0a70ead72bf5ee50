#include "settings/config_file.h"

#include <array>

#include "common/text_format.h"
#include "settings/file_saves.h"

namespace vx {

namespace {

constexpr wchar_t kMissingConfig[] = L"Config file is not exist.";

}  // namespace

void ConfigFile::Load(const std::wstring& path, SettingsStore& store) {
  // Only a regular file is read, and only when its size allows it to be a config.bin at all.
  const FileRead read = files_.Read(path, kConfigFileSize);
  if (read.outcome == FileRead::Outcome::kTooLarge) return;
  if (read.outcome != FileRead::Outcome::kRead) {
    messages_.ShowMessage(kMissingConfig);
    return;
  }
  const std::vector<uint8_t>& bytes = read.bytes;
  if (bytes.size() != kConfigFileSize) return;
  store.first_run_flag = bytes[0];
  store.current = RecordFromBytes(
      std::span<const uint8_t, kSettingsRecordSize>(bytes.data() + 1, kSettingsRecordSize));
  diagnostics_.Diagnostic(Format("Prpgram First Run Flag:%d\nRead Size is: %d",
                                 store.first_run_flag, static_cast<int>(kSettingsRecordSize)));
}

void ConfigFile::Save(const std::wstring& path, const SettingsStore& store) {
  if (!files_.Exists(path)) {
    messages_.ShowMessage(kMissingConfig);
    return;
  }
  std::array<uint8_t, kConfigFileSize> bytes{};
  bytes[0] = 1;
  const auto record = RecordToBytes(store.current);
  std::copy(record.begin(), record.end(), bytes.begin() + 1);
  // A crash or a full disk in the middle must not cost the user the settings already saved.
  const uint32_t error = files_.ReplaceAll(path, bytes);
  if (error != 0) {
    ReportFailedSave(messages_, error);
    return;
  }
  diagnostics_.Diagnostic(Format("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                                 static_cast<int>(kSettingsRecordSize),
                                 static_cast<int>(kSettingsRecordSize)));
}

}  // namespace vx
