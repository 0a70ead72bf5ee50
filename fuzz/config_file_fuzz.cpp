// config.bin and the settings record it holds.
#include <cstddef>
#include <cstdint>

#include "device/record_check.h"
#include "fuzz/fuzz_support.h"
#include "settings/config_file.h"
#include "settings/factory_settings.h"
#include "support/memory_files.h"

namespace vx::fuzz {
namespace {

// Any record bytes survive a read and a write unchanged.
void CheckRecordRoundTrip(std::span<const uint8_t> data) {
  std::array<uint8_t, kSettingsRecordSize> bytes{};
  std::copy_n(data.begin(), std::min(data.size(), bytes.size()), bytes.begin());
  Require(RecordToBytes(RecordFromBytes(bytes)) == bytes, "record bytes read and write back");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  CheckRecordRoundTrip({data, size});

  test::MemoryFiles files;
  QuietMessages messages;
  FailedSaves failed_saves = FailedSaves::ShownIn(messages, [](uint32_t) { return L""; });
  QuietDiagnostics diagnostics;
  const std::wstring path = L"config.bin";
  const std::vector<uint8_t> bytes(data, data + size);
  files.files[path] = bytes;
  ConfigFile config(files, messages, failed_saves, diagnostics);
  SettingsStore store;
  store.first_run_flag = 0x5A;
  const ConfigLoad load = config.Load(path, store, [](const SettingsRecord& record) {
    return !DeviceDataFault(record).has_value();
  });
  Require(messages.shown == 0, "a file that is there is loaded without a word");
  if (load.outcome != ConfigLoad::Outcome::kLoaded) {
    Require(size != kConfigFileSize ||
                DeviceDataFault(RecordFromBytes(
                    std::span<const uint8_t, kSettingsRecordSize>(data + 1, kSettingsRecordSize))),
            "only a file of another size or a refused record is damaged");
    Require(store.first_run_flag == 0 && store.current.record == FactoryRecord(),
            "a damaged file gives the factory settings");
    Require(!files.Exists(path) && files.files[load.kept_as] == bytes,
            "a damaged file is kept aside whole");
    Require(!DeviceDataFault(store.current.record), "the factory settings pass the device-data check");
    return 0;
  }
  Require(store.first_run_flag == data[0], "the first byte is the first-run flag");
  config.Save(path, store);
  const std::vector<uint8_t>& saved = files.files[path];
  Require(saved.size() == kConfigFileSize && saved[0] == 1 &&
              std::equal(saved.begin() + 1, saved.end(), data + 1),
          "a loaded file saves back byte for byte, flagged as run");
  return 0;
}
