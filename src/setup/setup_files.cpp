#include "setup/setup_files.h"

#include <utility>

#include "device/macro_slots.h"
#include "device/record_check.h"

namespace vx {

SetupFiles::SetupFiles(FilePort& files, ProfileStore& profile, MessagePort& messages,
                       FailedSaves& failed_saves, DiagnosticPort& diagnostics, DataPaths paths)
    : failed_saves_(failed_saves),
      paths_(std::move(paths)),
      config_(files, messages, failed_saves, diagnostics),
      record_ini_(profile, files, paths_.record_ini),
      str_ini_(profile, files, failed_saves, paths_.str_ini) {}

ConfigLoad SetupFiles::Load(SettingsStore& store) {
  const ConfigLoad load = config_.Load(paths_.config_bin, store, [](const SettingsRecord& record) {
    return !DeviceDataFault(record).has_value();
  });
  Profile& setup = store.current;
  setup.macros = record_ini_.Load();
  CompileMacros(setup.macros, setup.record);
  for (size_t language = 0; language < kLanguageCount; ++language) {
    setup.key_texts[language] = str_ini_.LoadKeyTexts(kKeyTextSections[language]);
  }
  store.TakeSnapshot();
  return load;
}

void SetupFiles::Save(const SettingsStore& store) {
  config_.Save(paths_.config_bin, store);
  SaveMacros(store.current.macros);
  SaveKeyTexts(store);
}

void SetupFiles::SaveWhole(const SettingsStore& store) {
  config_.Save(paths_.config_bin, store);
  SaveMacros(store.current.macros);
  std::vector<std::pair<std::wstring, KeyTexts>> sections;
  for (size_t language = 0; language < kLanguageCount; ++language) {
    sections.emplace_back(kKeyTextSections[language], store.current.key_texts[language]);
  }
  str_ini_.SaveKeyTexts(sections);
}

uint32_t SetupFiles::SaveMacros(const std::vector<Macro>& macros) {
  const uint32_t error = record_ini_.WriteAll(macros);
  if (error != 0) failed_saves_.Add(paths_.record_ini, error);
  return error;
}

void SetupFiles::SaveKeyTexts(const SettingsStore& store) {
  str_ini_.SaveKeyTexts(kKeyTextSections[store.language], store.key_texts());
}

}  // namespace vx
