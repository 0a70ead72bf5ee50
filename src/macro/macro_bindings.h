#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "settings/profile.h"

namespace vx {

// Macro `deleted` (0-based) is gone from the profile's list: the macros behind it move up a slot
// with their repeat counts, buttons bound to them (in both key sets) follow them, and buttons
// bound to the deleted one become Key Off, with each language's text for it.
void ForgetDeletedMacro(Profile& profile, size_t deleted,
                        const std::array<std::wstring, kLanguageCount>& key_off_texts);

}  // namespace vx
