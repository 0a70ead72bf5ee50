// record.ini's macros and their compile into the mouse's slots.
#include <cstddef>
#include <cstdint>

#include "device/macro_slots.h"
#include "fuzz/fuzz_support.h"
#include "settings/ini_engine.h"
#include "settings/record_ini.h"
#include "support/memory_files.h"

namespace vx::fuzz {
namespace {

// The compile stays in its slot, keeps the repeat count and fills exactly the bytes the items
// take, or says that they did not fit.
void CheckCompile(const std::vector<std::wstring>& items, uint16_t repeat) {
  GuardedBuffer<16> buffer(kMacroBytes);
  const MacroSlot slot(buffer.inside().data(), kMacroBytes);
  SetRepeatCount(slot, repeat);
  const bool fitted = CompileMacro(items, slot);
  Require(buffer.GuardsIntact(), "a compile writes only into its slot");
  Require(RepeatCount(slot) == repeat, "a compile keeps the repeat count");
  const size_t needed = MacroEventBytes(items);
  Require(fitted == (needed <= kMacroEventBytes), "a compile fails exactly when events overflow");
  if (fitted) {
    Require(std::all_of(slot.begin() + 2 + needed, slot.end(), [](uint8_t b) { return b == 0; }),
            "the slot is clear after the events");
  }
}

// The macros as read, written whole, read back the same, in the same order.
void CheckWholeWriteReadsBack(RecordIni& record, const std::vector<Macro>& macros) {
  for (const Macro& macro : macros) {
    if (!SurvivesAsSection(macro.name)) return;
    for (const std::wstring& item : macro.items) {
      if (!SurvivesAsValue(item)) return;
    }
  }
  Require(record.WriteAll(macros) == 0, "a whole write to memory succeeds");
  Require(record.Load() == macros, "the macros written whole read back");
}

void CheckWriteReadsBack(RecordIni& record, FuzzedDataProvider& input) {
  const std::wstring macro = TakeText(input, 12);
  std::vector<std::wstring> items(input.ConsumeIntegralInRange<size_t>(0, 8));
  for (std::wstring& item : items) item = TakeText(input, 16);
  auto survives = [](const std::wstring& item) { return SurvivesAsValue(item); };
  if (!SurvivesAsSection(macro) || !std::all_of(items.begin(), items.end(), survives)) return;
  record.WriteItems(macro, items);
  Require(record.Items(macro) == items, "written macro items read back");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  FuzzedDataProvider input(data, size);
  const uint16_t repeat = input.ConsumeIntegral<uint16_t>();
  const size_t file_size = input.ConsumeIntegralInRange<size_t>(0, input.remaining_bytes());
  const std::vector<uint8_t> file = input.ConsumeBytes<uint8_t>(file_size);

  test::MemoryFiles files;
  const std::wstring path = L"record.ini";
  files.files[path] = file;
  IniProfileStore profile(files);
  RecordIni record(profile, files, path);
  const std::vector<std::wstring> names = record.MacroNames();
  Require(names.size() <= kMaxMacros, "at most twelve macros");
  for (const std::wstring& name : names) CheckCompile(record.Items(name), repeat);

  const std::vector<Macro> macros = record.Load();
  SettingsRecord settings{};
  settings.macro_data.fill(0xEE);
  CompileMacros(macros, settings);
  for (size_t number = names.size() + 1; number <= kMacroCount; ++number) {
    const auto slot = MacroOf(settings, number);
    Require(std::all_of(slot.begin(), slot.end(), [](uint8_t b) { return b == 0; }),
            "slots after the last macro are cleared");
  }
  if (!RewritesAsItStands(file)) return 0;
  CheckWholeWriteReadsBack(record, macros);
  CheckWriteReadsBack(record, input);
  return 0;
}
