#include "tools/gmctl/config_input.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "settings/config_file.h"

namespace vx::gmctl {

std::optional<SettingsStore> ReadConfigArgument(const std::string& path, std::ostream& err) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    err << "gmctl: " << path << ": no such file\n";
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file || std::filesystem::is_directory(path, error)) {
    err << "gmctl: " << path << ": cannot be read\n";
    return std::nullopt;
  }
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  if (file.bad()) {
    err << "gmctl: " << path << ": cannot be read\n";
    return std::nullopt;
  }
  if (bytes.size() != kConfigFileSize) {
    err << "gmctl: " << path << ": " << bytes.size() << " bytes, but a config.bin has "
        << kConfigFileSize << "\n";
    return std::nullopt;
  }
  SettingsStore store;
  store.first_run_flag = bytes[0];
  store.current = RecordFromBytes(
      std::span<const uint8_t, kSettingsRecordSize>(bytes.data() + 1, kSettingsRecordSize));
  return store;
}

}  // namespace vx::gmctl
