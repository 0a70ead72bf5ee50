#include "macro/macro_bindings.h"

#include "device/key_codes.h"
#include "device/macro_slots.h"

namespace vx {

void ForgetDeletedMacro(Profile& profile, size_t deleted,
                        const std::array<std::wstring, kLanguageCount>& key_off_texts) {
  SettingsRecord& record = profile.record;
  for (size_t index = deleted; index + 1 < kMacroCount; ++index) {
    SetRepeatCount(MacroOf(record, index + 1), RepeatCount(MacroOf(record, index + 2)));
  }
  for (const KeySetId set : {KeySetId::kA, KeySetId::kB}) {
    KeySet& keys = KeySetOf(record, set);
    for (size_t button = 0; button < kButtonCount; ++button) {
      if (keys.key_type[button] != kKeyMacroKey || keys.macro_index[button] < deleted) continue;
      if (keys.macro_index[button] > deleted) {
        --keys.macro_index[button];
        continue;
      }
      keys.key_type[button] = kKeyOff;
      for (size_t language = 0; language < kLanguageCount; ++language) {
        profile.key_texts[language][(set == KeySetId::kA ? 0 : kButtonCount) + button] =
            key_off_texts[language];
      }
    }
  }
}

}  // namespace vx
