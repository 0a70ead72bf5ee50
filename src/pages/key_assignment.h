#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "layout/basic_page.h"
#include "settings/settings_store.h"
#include "ui/language_text.h"

namespace vx {

inline constexpr size_t kShownButtons = basic_layout::kFunctionBoxCount;
// "Shift" is looked for only among buttons 1..8 of a key set.
inline constexpr size_t kShiftCheckedButtons = 8;
inline constexpr size_t kKeySetFields = 16;

// The DPI sub-list's entries, the same in every language; entry i is KeyParam6 i + 1.
inline constexpr std::array<const wchar_t*, 4> kDpiFunctionTexts = {L"DPI +", L"DPI -",
                                                                     L"DPI Loop", L"Shift DPI"};

// The fields of a button's function, in the record's order of the key set's arrays.
enum FunctionField : size_t {
  kFieldKeyType,
  kFieldMediaIndex,
  kFieldMediaUsage,
  kFieldWindowsIndex,
  kFieldWindowsUsageLow,
  kFieldWindowsUsageHigh,
  kFieldFireIndex,
  kFieldFireUsage,
  kFieldFireSpeed,
  kFieldFireTimes,
  kFieldSingleUsage,
  kFieldComboModifiers,
  kFieldComboUsage1,
  kFieldComboUsage2,
  kFieldMacroIndex,
  kFieldMacroRepeat,
};

// A button's whole function in one key set: its KeyType and every parameter field, its DPI
// sub-function and its text.
struct ButtonFunction {
  std::array<uint8_t, kKeySetFields> fields{};  // KeyType first, then the record's order
  uint8_t key_param6 = 0;
  std::wstring text;

  uint8_t key_type() const { return fields[0]; }
  bool operator==(const ButtonFunction&) const = default;
};

// The key set the page shows: any CurrentKeySet other than 0 shows Mode B.
KeySetId ShownKeySet(const SettingsRecord& record);
KeySetId OtherKeySet(KeySetId set);
// Index of a button's text among the 24 key texts.
size_t KeyTextIndex(KeySetId set, size_t button);

ButtonFunction ReadButtonFunction(const SettingsStore& store, KeySetId set, size_t button);
void WriteButtonFunction(SettingsStore& store, KeySetId set, size_t button,
                         const ButtonFunction& function);

// The text a function box shows. A KeyType outside the function list (a foreign or hand-edited
// config.bin) is sent as Key Off, and so it reads.
std::wstring ShownKeyText(const SettingsStore& store, const LanguageText& texts, KeySetId set,
                          size_t button);

// "Left key must be selected!": the button holds the key set's only left click.
bool HoldsOnlyLeftClick(const KeySet& keys, size_t button);

// A new function for a button of the shown key set. A button that held "Shift" held it in both
// key sets, so the other set gets the whole new function as well.
void StoreFunction(SettingsStore& store, KeySetId set, size_t button,
                   const ButtonFunction& function);

// A function that needs no details (list entries 0..5, 7, 15), with its list text.
void ChooseListedFunction(SettingsStore& store, KeySetId set, size_t button, uint8_t key_type,
                          const std::wstring& text);

// "Shift" in both key sets; false (nothing changes) when buttons 1..8 of the set already hold
// one.
bool ChooseShift(SettingsStore& store, KeySetId set, size_t button, const std::wstring& text);

// A DPI sub-function (entry 0..3 of the sub-list) in the shown key set only.
void ChooseDpiFunction(SettingsStore& store, KeySetId set, size_t button, int entry);

// Both key sets and all 24 texts to the factory assignment; other parameter fields stay.
void RestoreKeyDefaults(SettingsStore& store, const LanguageText& texts);

}  // namespace vx
