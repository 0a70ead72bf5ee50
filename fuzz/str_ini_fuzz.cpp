// str.ini as the program loads it, and key texts saved into it read back.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "settings/ini_engine.h"
#include "settings/str_ini.h"
#include "support/memory_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  FuzzedDataProvider input(data, size);
  const std::wstring language = TakeText(input, 8);
  KeyTexts saved;
  for (std::wstring& text : saved) text = TakeText(input, 24);
  const std::vector<uint8_t> file = input.ConsumeRemainingBytes<uint8_t>();

  test::MemoryFiles files;
  const std::wstring path = L"str.ini";
  files.files[path] = file;
  IniProfileStore profile(files);
  QuietMessages messages;
  FailedSaves failed_saves = FailedSaves::ShownIn(messages, [](uint32_t) { return L""; });
  StrIni str_ini(profile, files, failed_saves, path);
  const std::wstring code = str_ini.LanguageCode();
  Require(code.size() < kProfileBufferChars, "the language code fits its buffer");
  for (const std::wstring& text : str_ini.LoadKeyTexts(code)) {
    Require(text.size() < kProfileBufferChars, "a key text fits its buffer");
  }
  UiTextColourFrom(str_ini.LoadSkinKeys());

  if (!SurvivesAsSection(language) || !RewritesAsItStands(file)) return 0;
  str_ini.SaveKeyTexts(language, saved);
  const KeyTexts loaded = str_ini.LoadKeyTexts(language);
  for (size_t i = 0; i < saved.size(); ++i) {
    Require(!SurvivesAsValue(saved[i]) || loaded[i] == saved[i], "a saved key text reads back");
  }
  return 0;
}
