#include "pages/key_assignment.h"

#include "device/key_codes.h"

namespace vx {

namespace {

// The key set's parallel arrays in record order, KeyType first.
constexpr std::array<ButtonBytes KeySet::*, kKeySetFields> kFields = {
    &KeySet::key_type,          &KeySet::media_index,       &KeySet::media_usage,
    &KeySet::windows_index,     &KeySet::windows_usage_low, &KeySet::windows_usage_high,
    &KeySet::fire_index,        &KeySet::fire_usage,        &KeySet::fire_speed,
    &KeySet::fire_times,        &KeySet::single_usage,      &KeySet::combo_modifiers,
    &KeySet::combo_usage1,      &KeySet::combo_usage2,      &KeySet::macro_index,
    &KeySet::macro_repeat};
static_assert(sizeof(KeySet) == kKeySetFields * kButtonCount);

constexpr uint8_t kLastListedType = kKeyOff;

}  // namespace

KeySetId ShownKeySet(const SettingsRecord& record) {
  return record.current_key_set == 0 ? KeySetId::kA : KeySetId::kB;
}

KeySetId OtherKeySet(KeySetId set) {
  return set == KeySetId::kA ? KeySetId::kB : KeySetId::kA;
}

size_t KeyTextIndex(KeySetId set, size_t button) {
  return (set == KeySetId::kA ? 0 : kButtonCount) + button;
}

ButtonFunction ReadButtonFunction(const SettingsStore& store, KeySetId set, size_t button) {
  ButtonFunction function;
  const KeySet& keys = KeySetOf(store.current.record, set);
  for (size_t i = 0; i < kFields.size(); ++i) function.fields[i] = (keys.*kFields[i])[button];
  function.key_param6 = KeyParam6Of(store.current.record, set)[button];
  function.text = store.key_texts()[KeyTextIndex(set, button)];
  return function;
}

void WriteButtonFunction(SettingsStore& store, KeySetId set, size_t button,
                         const ButtonFunction& function) {
  KeySet& keys = KeySetOf(store.current.record, set);
  for (size_t i = 0; i < kFields.size(); ++i) (keys.*kFields[i])[button] = function.fields[i];
  KeyParam6Of(store.current.record, set)[button] = function.key_param6;
  store.key_texts()[KeyTextIndex(set, button)] = function.text;
}

std::wstring ShownKeyText(const SettingsStore& store, const LanguageText& texts, KeySetId set,
                          size_t button) {
  if (KeySetOf(store.current.record, set).key_type[button] > kLastListedType) {
    return texts.functions[kKeyOff];
  }
  return store.key_texts()[KeyTextIndex(set, button)];
}

bool HoldsOnlyLeftClick(const KeySet& keys, size_t button) {
  if (keys.key_type[button] != kKeyLeftClick) return false;
  for (size_t other = 0; other < kButtonCount; ++other) {
    if (other != button && keys.key_type[other] == kKeyLeftClick) return false;
  }
  return true;
}

void StoreFunction(SettingsStore& store, KeySetId set, size_t button,
                   const ButtonFunction& function) {
  if (KeySetOf(store.current.record, set).key_type[button] == kKeyShift) {
    WriteButtonFunction(store, OtherKeySet(set), button, function);
  }
  WriteButtonFunction(store, set, button, function);
}

void ChooseListedFunction(SettingsStore& store, KeySetId set, size_t button, uint8_t key_type,
                          const std::wstring& text) {
  ButtonFunction function = ReadButtonFunction(store, set, button);
  function.fields[0] = key_type;
  function.text = text;
  StoreFunction(store, set, button, function);
}

bool ChooseShift(SettingsStore& store, KeySetId set, size_t button, const std::wstring& text) {
  const KeySet& keys = KeySetOf(store.current.record, set);
  for (size_t i = 0; i < kShiftCheckedButtons; ++i) {
    if (keys.key_type[i] == kKeyShift) return false;
  }
  for (const KeySetId each : {set, OtherKeySet(set)}) {
    KeySetOf(store.current.record, each).key_type[button] = kKeyShift;
    store.key_texts()[KeyTextIndex(each, button)] = text;
  }
  return true;
}

void ChooseDpiFunction(SettingsStore& store, KeySetId set, size_t button, int entry) {
  KeySetOf(store.current.record, set).key_type[button] = kKeyDpiSwitch;
  KeyParam6Of(store.current.record, set)[button] = static_cast<uint8_t>(entry + 1);
  store.key_texts()[KeyTextIndex(set, button)] = kDpiFunctionTexts[static_cast<size_t>(entry)];
}

void RestoreKeyDefaults(SettingsStore& store, const LanguageText& texts) {
  ApplyKeySetDefaults(store.current.record, KeySetId::kA);
  ApplyKeySetDefaults(store.current.record, KeySetId::kB);
  store.key_texts() = DefaultKeyTexts(texts.functions);
}

}  // namespace vx
