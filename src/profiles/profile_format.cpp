#include "profiles/profile_format.h"

#include <algorithm>
#include <type_traits>

#include "device/dpi_tables.h"
#include "device/key_codes.h"
#include "device/key_name_tables.h"
#include "device/record_check.h"
#include "settings/profile.h"

namespace vx {

namespace {

// The lists of the lighting page: ten brightness steps for Standard, five periods for
// Respiration, thirty for Neon; Standard's one effect is 1, Respiration's 1 and 2, Neon's 2 and 3.
constexpr unsigned kBrightnessSteps = 10;
constexpr unsigned kRespirationPeriods = 5;
constexpr unsigned kNeonPeriods = 30;
// The pointer page's sliders.
constexpr unsigned kPointerSteps = 11;
constexpr unsigned kLastRepeatMode = 2;

template <auto kMember>
std::span<uint8_t> FieldBytes(SettingsRecord& record) {
  auto& field = record.*kMember;
  if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, uint8_t>) {
    return {&field, 1};
  } else {
    return field;
  }
}

template <ButtonBytes KeySet::*kArray>
uint8_t& KeySetByte(SettingsRecord& record, KeySetId set, size_t button) {
  return (KeySetOf(record, set).*kArray)[button];
}

uint8_t& KeyParam6Byte(SettingsRecord& record, KeySetId set, size_t button) {
  return KeyParam6Of(record, set)[button];
}

size_t LongestDpiRow() {
  size_t longest = 0;
  for (uint8_t type = 0; type < kSensorTypeCount; ++type) {
    longest = std::max(longest, DpiRowLength(type));
  }
  return longest;
}

// The indices of a list of count entries.
ValueSet Indices(size_t count) {
  return ValueSet::Between(0, static_cast<unsigned>(count - 1));
}

ValueSet AnyByte() {
  return ValueSet::Between(0, UINT8_MAX);
}

bool IsReportRateCode(uint8_t code) {
  return code == 1 || code == 2 || code == 4 || code == 8;
}

// What the combo-key dialog's one modifier gives.
bool IsModifierBits(uint8_t bits) {
  return (bits & (bits - 1)) == 0;
}

bool IsFireSpeed(uint8_t speed) {
  return speed == 0 || speed >= kFastestFireSpeed;
}

// In the order of the languages.
constexpr const wchar_t* kLanguageSuffixes[kLanguageCount] = {L"EN", L"CHS", L"CHT"};
constexpr wchar_t kKeyTextsPrefix[] = L"KeyTexts.";

// The number after a prefix, 1..count, as an index 0..count-1.
std::optional<size_t> NumberedIndex(std::wstring_view text, std::wstring_view prefix,
                                    size_t count) {
  if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::wstring_view digits = text.substr(prefix.size());
  if (digits.empty() || digits[0] == L'0') return std::nullopt;
  const std::optional<unsigned> number = ParseNumber(digits, static_cast<unsigned>(count));
  if (!number || *number == 0) return std::nullopt;
  return *number - 1;
}

}  // namespace

const std::vector<RecordField>& RecordFields() {
  static const std::vector<RecordField> fields = {
      {L"ReportRate", L"ReportRateCode", FieldBytes<&SettingsRecord::report_rate_code>,
       ValueSet::BytesWhere(IsReportRateCode)},
      {L"Dpi", L"DpiIndex", FieldBytes<&SettingsRecord::dpi_index>, Indices(LongestDpiRow())},
      {L"Dpi", L"DpiEnabled", FieldBytes<&SettingsRecord::dpi_enabled>, Indices(2)},
      {L"Dpi", L"DpiColour", FieldBytes<&SettingsRecord::dpi_colour>, AnyByte()},
      {L"Lighting", L"LightMode", FieldBytes<&SettingsRecord::light_mode>, ValueSet::Between(1, 3)},
      {L"Lighting", L"LightParam1", FieldBytes<&SettingsRecord::light_param1>,
       Indices(kBrightnessSteps)},
      {L"Lighting", L"LightParam2", FieldBytes<&SettingsRecord::light_param2>,
       Indices(kRespirationPeriods)},
      {L"Lighting", L"LightParam3", FieldBytes<&SettingsRecord::light_param3>,
       Indices(kNeonPeriods)},
      {L"Lighting", L"LightSub1", FieldBytes<&SettingsRecord::light_sub1>, ValueSet::Between(1, 1)},
      {L"Lighting", L"LightSub2", FieldBytes<&SettingsRecord::light_sub2>, ValueSet::Between(1, 2)},
      {L"Lighting", L"LightSub3", FieldBytes<&SettingsRecord::light_sub3>, ValueSet::Between(2, 3)},
      {L"Pointer", L"PointerPrecision", FieldBytes<&SettingsRecord::pointer_precision>, Indices(2)},
      {L"Pointer", L"ScrollOneScreen", FieldBytes<&SettingsRecord::scroll_one_screen>, Indices(2)},
      {L"Pointer", L"MouseSpeedStep", FieldBytes<&SettingsRecord::mouse_speed_step>,
       ValueSet::Between(1, kPointerSteps)},
      // Windows' own count is kept as read, up to 255.
      {L"Pointer", L"WheelScrollLines", FieldBytes<&SettingsRecord::wheel_scroll_lines>, AnyByte()},
      {L"Pointer", L"DoubleClickStep", FieldBytes<&SettingsRecord::double_click_step>,
       ValueSet::Between(1, kPointerSteps)},
      {L"KeySets", L"CurrentKeySet", FieldBytes<&SettingsRecord::current_key_set>, Indices(2)},
      {L"Reserved", L"Unused780", FieldBytes<&SettingsRecord::unused_780>, AnyByte(), true},
      {L"Reserved", L"Unused786", FieldBytes<&SettingsRecord::unused_786>, AnyByte(), true},
      {L"Reserved", L"Unused7A2", FieldBytes<&SettingsRecord::unused_7a2>, AnyByte(), true},
  };
  return fields;
}

// A usage field any byte may enter; its relation to the list index decides.
const std::vector<ButtonField>& ButtonFields() {
  static const std::vector<ButtonField> fields = {
      {kKeyTypeField, KeySetByte<&KeySet::key_type>, Indices(kKeyOff + 1)},
      {L"MediaIndex", KeySetByte<&KeySet::media_index>, Indices(kMediaKeyCount)},
      {L"MediaUsage", KeySetByte<&KeySet::media_usage>, AnyByte()},
      {L"WindowsIndex", KeySetByte<&KeySet::windows_index>, Indices(kWindowsFunctionCount)},
      {L"WindowsUsageLow", KeySetByte<&KeySet::windows_usage_low>, AnyByte()},
      {L"WindowsUsageHigh", KeySetByte<&KeySet::windows_usage_high>, AnyByte()},
      {L"FireIndex", KeySetByte<&KeySet::fire_index>, Indices(kFireKeyCount)},
      {L"FireUsage", KeySetByte<&KeySet::fire_usage>, AnyByte()},
      {L"FireSpeed", KeySetByte<&KeySet::fire_speed>, ValueSet::BytesWhere(IsFireSpeed)},
      {L"FireTimes", KeySetByte<&KeySet::fire_times>, AnyByte()},
      {L"SingleUsage", KeySetByte<&KeySet::single_usage>, ValueSet::BytesWhere(IsCapturedKeyUsage)},
      {L"ComboModifiers", KeySetByte<&KeySet::combo_modifiers>,
       ValueSet::BytesWhere(IsModifierBits)},
      {L"ComboUsage1", KeySetByte<&KeySet::combo_usage1>, ValueSet::BytesWhere(IsCapturedKeyUsage)},
      {L"ComboUsage2", KeySetByte<&KeySet::combo_usage2>, ValueSet::BytesWhere(IsCapturedKeyUsage)},
      {L"MacroIndex", KeySetByte<&KeySet::macro_index>, Indices(kMacroCount)},
      {L"MacroRepeat", KeySetByte<&KeySet::macro_repeat>, Indices(kLastRepeatMode + 1)},
      {L"KeyParam6", KeyParam6Byte, Indices(kDpiShift + 1)},
  };
  return fields;
}

const wchar_t* KeySetSection(KeySetId set) {
  return set == KeySetId::kA ? L"KeySetA" : L"KeySetB";
}

std::wstring ButtonKey(size_t button) {
  return L"Button" + std::to_wstring(button + 1);
}

std::optional<KeySetId> KeySetOfSection(std::wstring_view section) {
  for (const KeySetId set : {KeySetId::kA, KeySetId::kB}) {
    if (section == KeySetSection(set)) return set;
  }
  return std::nullopt;
}

std::optional<size_t> ButtonOfKey(std::wstring_view key) {
  return NumberedIndex(key, L"Button", kButtonCount);
}

std::wstring MacroSection(size_t macro) {
  return L"Macro" + std::to_wstring(macro + 1);
}

std::optional<size_t> MacroOfSection(std::wstring_view section) {
  return NumberedIndex(section, L"Macro", kMacroCount);
}

std::wstring KeyTextsSection(size_t language) {
  return std::wstring(kKeyTextsPrefix) + kLanguageSuffixes[language];
}

std::optional<size_t> LanguageOfKeyTextsSection(std::wstring_view section) {
  for (size_t language = 0; language < kLanguageCount; ++language) {
    if (section == KeyTextsSection(language)) return language;
  }
  return std::nullopt;
}

std::wstring KeyTextKey(size_t index) {
  return (index < kButtonCount ? L"A" : L"B") + std::to_wstring(index % kButtonCount + 1);
}

std::optional<size_t> KeyTextOfKey(std::wstring_view key) {
  if (const auto a = NumberedIndex(key, L"A", kButtonCount)) return *a;
  if (const auto b = NumberedIndex(key, L"B", kButtonCount)) return kButtonCount + *b;
  return std::nullopt;
}

}  // namespace vx
