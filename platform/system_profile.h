#pragma once

#include <memory>

#include "settings/file_port.h"
#include "settings/profile_store.h"

namespace vx {

// The system's private-profile calls on Windows; elsewhere our INI engine over the given files.
std::unique_ptr<ProfileStore> CreateSystemProfileStore(FilePort& files);

}  // namespace vx
