#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_record.h"

namespace vx {

// What in the record the mouse must not get, or nothing when every field that becomes device
// data holds a value the pages can produce: report rate codes 1, 2, 4, 8 and, for the ten sent
// buttons of each key set, a known function with parameters from its dialog's lists and ranges.
// A record that fails came from a damaged file or from a fault of ours, never from the user.
std::optional<std::string> DeviceDataFault(const SettingsRecord& record);

// What a captured key can give a single or combo key: nothing, a usage by the key's name, or one
// by its place on the keyboard.
bool IsCapturedKeyUsage(uint8_t usage);

}  // namespace vx
