#include "platform/system_profile.h"
#include "settings/ini_engine.h"

namespace vx {

std::unique_ptr<ProfileStore> CreateSystemProfileStore(FilePort& files) {
  return std::make_unique<IniProfileStore>(files);
}

}  // namespace vx
