#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "profiles/profile_file.h"
#include "settings/settings_store.h"

namespace vx::gmctl {

// The config.bin named on the command line, or nullopt after one line naming the problem.
std::optional<SettingsStore> ReadConfigArgument(const std::string& path, std::ostream& err);

// The profile file named on the command line, or nullopt after one line naming the problem
// (for a bad file, its line and what is wrong there).
std::optional<ProfileFile> ReadProfileArgument(const std::string& path, std::ostream& err);

// The record of a config.bin or of a profile file, told apart by the name's extension or the
// file's first header.
std::optional<SettingsRecord> ReadRecordArgument(const std::string& path, std::ostream& err);

}  // namespace vx::gmctl
