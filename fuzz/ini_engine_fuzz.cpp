// The private-profile calls over a file of any bytes: a written value reads back and leaves the
// other keys as they read before.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"
#include "settings/ini_engine.h"
#include "support/memory_files.h"

namespace vx::fuzz {
namespace {

constexpr wchar_t kFile[] = L"fuzz.ini";
constexpr size_t kBuffer = 4096;

// Section, key and the value the store gives for it.
using KeyValue = std::array<std::wstring, 3>;

// Every named key of the file.
std::vector<KeyValue> ReadAllKeys(IniProfileStore& store, const IniDocument& document) {
  std::vector<KeyValue> keys;
  for (const IniSection& section : document.sections) {
    for (const IniEntry& entry : section.entries) {
      if (entry.name.empty()) continue;
      keys.push_back({section.name, entry.name,
                      store.GetString(kFile, section.name, entry.name, L"-", kBuffer)});
    }
  }
  return keys;
}

// Only for a file that the system writes back as it stands: any write may change another one
// (a header whose name was cut at a zero can come to hide a later section of that name).
void CheckWriteReadsBack(const std::vector<uint8_t>& file, const std::wstring& section,
                         const std::wstring& key, const std::wstring& value) {
  if (!RewritesAsItStands(file)) return;
  const IniText text = DecodeIniText(file);
  test::MemoryFiles files;
  files.files[kFile] = file;
  IniProfileStore store(files);
  const std::vector<KeyValue> before = ReadAllKeys(store, ParseIni(text.text));
  Require(store.WriteString(kFile, section, key, value), "a write to a readable file succeeds");
  Require(store.GetString(kFile, section, key, L"", kBuffer) == value, "a written value reads back");
  for (const auto& [other_section, other_key, old_value] : before) {
    if (SameIniName(other_section, section) && SameIniName(other_key, key)) continue;
    Require(store.GetString(kFile, other_section, other_key, L"-", kBuffer) == old_value,
            "a write leaves the other keys as they were");
  }
}

void CheckSectionNames(IniProfileStore& store, size_t buffer_chars) {
  const std::wstring names = store.SectionNames(kFile, buffer_chars);
  Require(names.size() <= buffer_chars, "section names fit the caller's buffer");
  Require(buffer_chars < 2 || (names.size() >= 2 && names.back() == L'\0' &&
                               names[names.size() - 2] == L'\0'),
          "section names end with two zeros");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  FuzzedDataProvider input(data, size);
  const std::wstring section = TakeText(input, 16);
  const std::wstring key = TakeText(input, 16);
  const std::wstring value = TakeText(input, 32);
  const size_t buffer_chars = input.ConsumeIntegralInRange<size_t>(0, 300);
  const std::vector<uint8_t> file = input.ConsumeRemainingBytes<uint8_t>();

  test::MemoryFiles files;
  files.files[kFile] = file;
  IniProfileStore store(files);
  const std::wstring read = store.GetString(kFile, section, key, value, buffer_chars);
  Require(read.size() < std::max<size_t>(buffer_chars, 1), "a value fits the caller's buffer");
  CheckSectionNames(store, buffer_chars);
  if (SurvivesAsSection(section) && SurvivesAsKey(key) && SurvivesAsValue(value)) {
    CheckWriteReadsBack(file, section, key, value);
  }
  return 0;
}
