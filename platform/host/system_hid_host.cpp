#include "platform/system_hid.h"

namespace vx {

// The mouse is a Windows device to this program; Linux runs it only against the virtual mouse.
std::unique_ptr<HidPort> CreateSystemHidPort() {
  return nullptr;
}

}  // namespace vx
