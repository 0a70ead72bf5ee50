#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "settings/settings_store.h"

namespace vx::gmctl {

// The config.bin named on the command line, or nullopt after one line naming the problem.
std::optional<SettingsStore> ReadConfigArgument(const std::string& path, std::ostream& err);

}  // namespace vx::gmctl
