#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/profile_values.h"
#include "settings/settings_record.h"

namespace vx {

inline constexpr wchar_t kProfileFormatVersion[] = L"1";

inline constexpr wchar_t kProfileSection[] = L"Profile";
inline constexpr wchar_t kFormatKey[] = L"Format";
inline constexpr wchar_t kNameKey[] = L"Name";
inline constexpr wchar_t kProgramKey[] = L"Program";
inline constexpr wchar_t kRepeatKey[] = L"Repeat";
inline constexpr wchar_t kItemKey[] = L"Item";
inline constexpr wchar_t kKeyTypeField[] = L"KeyType";

// The fire-key dialog's fastest speed; 0 is a button that never was a fire key.
inline constexpr uint8_t kFastestFireSpeed = 5;

// A setting of the record (one byte or an array), under its section and the key gmctl show
// prints for it, with the values the pages can give it. Reserved ones are written only when not 0.
struct RecordField {
  const wchar_t* section;
  const wchar_t* key;
  std::span<uint8_t> (*bytes)(SettingsRecord&);
  ValueSet values;
  bool reserved = false;
};

// Every setting but the key sets' and the macro slots', in file order.
const std::vector<RecordField>& RecordFields();

// One of a button's fields in a key set's line "Button1 = KeyType 12 ComboModifiers 8 ...".
struct ButtonField {
  const wchar_t* name;
  uint8_t& (*byte)(SettingsRecord&, KeySetId, size_t button);
  ValueSet values;
};

// KeyType first, then the key set's arrays in record order, then KeyParam6.
const std::vector<ButtonField>& ButtonFields();

// "KeySetA", "KeySetB"; the key "Button1".."Button12" of a button (0..11).
const wchar_t* KeySetSection(KeySetId set);
std::wstring ButtonKey(size_t button);
std::optional<KeySetId> KeySetOfSection(std::wstring_view section);
// The button (0..11) of a key "Button1".."Button12".
std::optional<size_t> ButtonOfKey(std::wstring_view key);

// "Macro1".."Macro12" for macros 0..11.
std::wstring MacroSection(size_t macro);
std::optional<size_t> MacroOfSection(std::wstring_view section);

// "KeyTexts.EN", "KeyTexts.CHS", "KeyTexts.CHT" by language; "A1".."A12", "B1".."B12" for the key
// texts 0..23.
std::wstring KeyTextsSection(size_t language);
std::optional<size_t> LanguageOfKeyTextsSection(std::wstring_view section);
std::wstring KeyTextKey(size_t index);
std::optional<size_t> KeyTextOfKey(std::wstring_view key);

}  // namespace vx
