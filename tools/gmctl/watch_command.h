#pragma once

#include <functional>
#include <ostream>

#include "common/pause_port.h"
#include "device/hid_port.h"

namespace vx::gmctl {

// Opens the mouse and prints the handshake's trace; when it is ready, prints the mouse's own
// notifications as they come until wait_for_stop returns. The exit code.
int WatchMouse(HidPort& hid, PausePort& pause, std::ostream& out, std::ostream& err,
               const std::function<void()>& wait_for_stop);

}  // namespace vx::gmctl
