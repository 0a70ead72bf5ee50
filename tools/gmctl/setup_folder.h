#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "settings/profile.h"

namespace vx::gmctl {

// A command-line argument as the program's wide text: UTF-8 on Linux, the ANSI code page on
// Windows; nothing for bytes that are not text.
std::optional<std::wstring> WideArgument(const std::string& argument);

// The setup of a program folder, from its config.bin, record.ini and str.ini, read without a
// change to any of them; nullopt after one line naming the problem (no such folder, a missing or
// damaged config.bin).
std::optional<Profile> LoadFolderSetup(const std::string& folder, std::ostream& err);

// The setup into the folder's three files, each replaced in one step, with every language's key
// texts; false after one line naming the files that were not saved.
bool SaveFolderSetup(const std::string& folder, const Profile& setup, std::ostream& err);

}  // namespace vx::gmctl
