#include "settings/config_file.h"

#include <array>

#include "common/text_format.h"
#include "settings/factory_settings.h"

namespace vx {

namespace {

constexpr wchar_t kMissingConfig[] = L"Config file is not exist.";
constexpr wchar_t kAsideSuffix[] = L".bad";
// Earlier damaged copies keep their names: config.bin.bad, config.bin.bad2, ...
constexpr int kAsideNames = 100;

void TakeFactorySettings(SettingsStore& store) {
  store.current.record = FactoryRecord();
  store.first_run_flag = 0;
}

}  // namespace

ConfigLoad ConfigFile::KeepAside(const std::wstring& path, uint32_t read_error) {
  ConfigLoad load{ConfigLoad::Outcome::kDamaged, L""};
  uint32_t error = read_error;
  for (int n = 1; n <= kAsideNames; ++n) {
    const std::wstring aside = path + kAsideSuffix + (n == 1 ? L"" : std::to_wstring(n));
    if (files_.Exists(aside)) continue;
    error = files_.Rename(path, aside);
    if (error == 0) {
      load.kept_as = aside;
      return load;
    }
    break;
  }
  guarded_path_ = path;
  guard_error_ = error != 0 ? error : kUnnamedSaveError;
  return load;
}

ConfigLoad ConfigFile::Load(const std::wstring& path, SettingsStore& store,
                            const RecordCheck& acceptable) {
  // Only a regular file is read, and only when its size allows it to be a config.bin at all.
  const FileRead read = files_.Read(path, kConfigFileSize);
  if (read.outcome == FileRead::Outcome::kMissing) {
    messages_.ShowMessage(kMissingConfig);
    TakeFactorySettings(store);
    return {ConfigLoad::Outcome::kMissing, L""};
  }
  const std::vector<uint8_t>& bytes = read.bytes;
  SettingsRecord record{};
  const bool whole = read.outcome == FileRead::Outcome::kRead && bytes.size() == kConfigFileSize;
  if (whole) {
    record = RecordFromBytes(
        std::span<const uint8_t, kSettingsRecordSize>(bytes.data() + 1, kSettingsRecordSize));
  }
  if (!whole || !acceptable(record)) {
    TakeFactorySettings(store);
    return KeepAside(path, read.error);
  }
  store.first_run_flag = bytes[0];
  store.current.record = record;
  diagnostics_.Diagnostic(Format("Prpgram First Run Flag:%d\nRead Size is: %d",
                                 store.first_run_flag, static_cast<int>(kSettingsRecordSize)));
  return {};
}

void ConfigFile::Save(const std::wstring& path, const SettingsStore& store) {
  if (path == guarded_path_) {
    failed_saves_.Add(path, guard_error_);
    return;
  }
  std::array<uint8_t, kConfigFileSize> bytes{};
  bytes[0] = 1;
  const auto record = RecordToBytes(store.current.record);
  std::copy(record.begin(), record.end(), bytes.begin() + 1);
  // A crash or a full disk in the middle must not cost the user the settings already saved.
  const uint32_t error = files_.ReplaceAll(path, bytes);
  if (error != 0) {
    failed_saves_.Add(path, error);
    return;
  }
  diagnostics_.Diagnostic(Format("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                                 static_cast<int>(kSettingsRecordSize),
                                 static_cast<int>(kSettingsRecordSize)));
}

}  // namespace vx
