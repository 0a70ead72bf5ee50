// config.bin and the settings record it holds.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/config_file.h"
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
  QuietDiagnostics diagnostics;
  const std::wstring path = L"config.bin";
  files.files[path].assign(data, data + size);
  ConfigFile config(files, messages, diagnostics);
  SettingsStore store;
  store.first_run_flag = 0x5A;
  config.Load(path, store);
  Require(messages.shown == 0, "a readable file is loaded without a word");
  if (size != kConfigFileSize) {
    Require(store.first_run_flag == 0x5A && store.current == SettingsRecord{},
            "a file of another size leaves the settings alone");
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
