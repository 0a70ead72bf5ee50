#pragma once

#include <array>

#include "settings/config_file.h"
#include "settings/settings_record.h"

namespace vx {

// The settings a new installation starts from: the factory key assignment in both key sets,
// 1000 Hz, four DPI stages on with distinct colours, standard lighting at full brightness and
// Windows' usual pointer settings.
SettingsRecord FactoryRecord();

// config.bin as shipped: first-run flag 0, so the first start writes the default key texts.
std::array<uint8_t, kConfigFileSize> FactoryConfigFile();

}  // namespace vx
