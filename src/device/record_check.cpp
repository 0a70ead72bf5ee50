#include "device/record_check.h"

#include <algorithm>

#include "common/text_format.h"
#include "device/key_codes.h"
#include "device/key_name_tables.h"

namespace vx {

namespace {

// Buttons 10 and 11 have no place in the key matrices.
constexpr size_t kSentButtons = 10;
constexpr uint8_t kLastRepeatMode = 2;

bool IsReportRateCode(uint8_t code) {
  return code == 1 || code == 2 || code == 4 || code == 8;
}

template <size_t N>
bool InList(const std::array<KeyListEntry, N>& list, uint8_t code) {
  return std::any_of(list.begin(), list.end(),
                     [code](const KeyListEntry& entry) { return entry.code == code; });
}

bool IsWindowsFunction(uint8_t low, uint8_t high) {
  for (int index = 0; index < static_cast<int>(kWindowsFunctionCount); ++index) {
    if (WindowsIndexToUsage(index) == low && WindowsUsageHigh(index) == high) return true;
  }
  return false;
}

// Why the button's function cannot be sent, or nothing.
std::optional<std::string> ButtonFault(const KeySet& keys, const ButtonBytes& key_param6,
                                       size_t button) {
  const uint8_t type = keys.key_type[button];
  switch (type) {
    case kKeyDpiSwitch:
      if (key_param6[button] < kDpiUp || key_param6[button] > kDpiShift) {
        return Format("DPI function %d", key_param6[button]);
      }
      return std::nullopt;
    case kKeyWindows:
      if (!IsWindowsFunction(keys.windows_usage_low[button], keys.windows_usage_high[button])) {
        return Format("Windows function %02x%02x", keys.windows_usage_high[button],
                      keys.windows_usage_low[button]);
      }
      return std::nullopt;
    case kKeyMultimedia:
      if (!InList(kMediaKeyList, keys.media_usage[button])) {
        return Format("media usage %02x", keys.media_usage[button]);
      }
      return std::nullopt;
    case kKeyFireKey:
      if (!InList(kFireKeyList, keys.fire_usage[button])) {
        return Format("fire key %02x", keys.fire_usage[button]);
      }
      return std::nullopt;
    case kKeySingleKey:
      if (!IsCapturedKeyUsage(keys.single_usage[button])) {
        return Format("key usage %02x", keys.single_usage[button]);
      }
      return std::nullopt;
    case kKeyComboKey:
      for (const uint8_t usage : {keys.combo_usage1[button], keys.combo_usage2[button]}) {
        if (!IsCapturedKeyUsage(usage)) return Format("key usage %02x", usage);
      }
      return std::nullopt;
    case kKeyMacroKey:
      if (keys.macro_index[button] >= kMacroCount || keys.macro_repeat[button] > kLastRepeatMode) {
        return Format("macro %d repeat mode %d", keys.macro_index[button] + 1,
                      keys.macro_repeat[button] + 1);
      }
      return std::nullopt;
    default:
      if (type > kKeyOff) return Format("key type %d", type);
      return std::nullopt;
  }
}

}  // namespace

bool IsCapturedKeyUsage(uint8_t usage) {
  return usage == 0 || (usage >= 0x04 && usage <= 0x65) || (usage >= 0xE0 && usage <= 0xE7) ||
         !UsageToKeyName(usage).empty();
}

std::optional<std::string> DeviceDataFault(const SettingsRecord& record) {
  if (!IsReportRateCode(record.report_rate_code)) {
    return Format("report rate code %d", record.report_rate_code);
  }
  for (const KeySetId set : {KeySetId::kA, KeySetId::kB}) {
    for (size_t button = 0; button < kSentButtons; ++button) {
      const std::optional<std::string> fault =
          ButtonFault(KeySetOf(record, set), KeyParam6Of(record, set), button);
      if (fault) {
        return Format("key set %c button %d: ", set == KeySetId::kA ? 'A' : 'B',
                      static_cast<int>(button) + 1) +
               *fault;
      }
    }
  }
  return std::nullopt;
}

}  // namespace vx
