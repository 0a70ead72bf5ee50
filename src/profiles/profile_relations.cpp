#include "profiles/profile_relations.h"

#include <algorithm>

#include "common/text_format.h"
#include "device/key_codes.h"
#include "device/key_name_tables.h"
#include "device/record_check.h"
#include "profiles/profile_format.h"

namespace vx {

namespace {

// A dialog fills a list index and its code together; both stay 0 on a button never given one.
bool Untouched(std::initializer_list<uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

std::optional<std::string> ListCodeFault(const KeySet& keys, size_t b) {
  const uint8_t media = keys.media_index[b];
  if (!Untouched({media, keys.media_usage[b]}) && keys.media_usage[b] != MediaIndexToUsage(media)) {
    return Format("has MediaUsage %d, but MediaIndex %d is usage %d", keys.media_usage[b], media,
                  MediaIndexToUsage(media));
  }
  const uint8_t windows = keys.windows_index[b];
  const uint8_t low = keys.windows_usage_low[b];
  const uint8_t high = keys.windows_usage_high[b];
  if (!Untouched({windows, low, high}) &&
      (low != WindowsIndexToUsage(windows) || high != WindowsUsageHigh(windows))) {
    return Format(
        "has WindowsUsageLow %d and WindowsUsageHigh %d, but WindowsIndex %d is %d and %d", low,
        high, windows, WindowsIndexToUsage(windows), WindowsUsageHigh(windows));
  }
  const uint8_t fire = keys.fire_index[b];
  if (!Untouched({fire, keys.fire_usage[b]}) && keys.fire_usage[b] != FireIndexToUsage(fire)) {
    return Format("has FireUsage %d, but FireIndex %d is code %d", keys.fire_usage[b], fire,
                  FireIndexToUsage(fire));
  }
  return std::nullopt;
}

std::optional<std::string> ButtonFault(const KeySet& keys, size_t b, size_t macro_count) {
  if (auto fault = ListCodeFault(keys, b)) return fault;
  if (keys.key_type[b] == kKeyFireKey && keys.fire_speed[b] < kFastestFireSpeed) {
    return Format("is a fire key, whose FireSpeed takes %d to 255, not %d", kFastestFireSpeed,
                  keys.fire_speed[b]);
  }
  if (keys.key_type[b] == kKeyMacroKey && keys.macro_index[b] >= macro_count) {
    return Format("plays macro %d (MacroIndex %d), but the file holds %d macro%s",
                  keys.macro_index[b] + 1, keys.macro_index[b], static_cast<int>(macro_count),
                  macro_count == 1 ? "" : "s");
  }
  return std::nullopt;
}

// The device-data check names a button as "key set A button 3: ", anything else is the rate.
RecordFault PlaceDeviceDataFault(const std::string& fault) {
  for (const KeySetId set : {KeySetId::kA, KeySetId::kB}) {
    for (size_t b = 0; b < kButtonCount; ++b) {
      const std::string prefix = Format("key set %c button %d: ", set == KeySetId::kA ? 'A' : 'B',
                                        static_cast<int>(b + 1));
      if (fault.rfind(prefix, 0) != 0) continue;
      return {KeySetSection(set), ButtonKey(b),
              ToUtf8(ButtonKey(b)) + " holds " + fault.substr(prefix.size()) +
                  ", which the mouse must not get"};
    }
  }
  return {L"ReportRate", L"ReportRateCode",
          "the record holds " + fault + ", which the mouse must not get"};
}

}  // namespace

std::optional<RecordFault> RecordRelationFault(const SettingsRecord& record, size_t macro_count) {
  for (const KeySetId set : {KeySetId::kA, KeySetId::kB}) {
    for (size_t b = 0; b < kButtonCount; ++b) {
      if (auto fault = ButtonFault(KeySetOf(record, set), b, macro_count)) {
        return RecordFault{KeySetSection(set), ButtonKey(b), ToUtf8(ButtonKey(b)) + " " + *fault};
      }
    }
  }
  if (std::all_of(record.dpi_enabled.begin(), record.dpi_enabled.end(),
                  [](uint8_t on) { return on == 0; })) {
    return RecordFault{L"Dpi", L"DpiEnabled", "DpiEnabled turns every stage off; one stays on"};
  }
  if (const std::optional<std::string> fault = DeviceDataFault(record)) {
    return PlaceDeviceDataFault(*fault);
  }
  return std::nullopt;
}

}  // namespace vx
