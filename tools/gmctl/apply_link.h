#pragma once

#include <ostream>

#include "common/pause_port.h"
#include "device/hid_port.h"
#include "settings/settings_record.h"
#include "sim/wire_trace.h"

namespace vx::gmctl {

enum class ApplyEnd { kNotReady, kStopped, kComplete };

// Handshake and sensor refresh, then the full apply, with the trace and the time it took on the
// output. An apply that stops is named on the error stream.
ApplyEnd ApplyThroughLink(HidPort& hid, PausePort& pause, sim::WireTrace& trace,
                          const SettingsRecord& record, std::ostream& out, std::ostream& err);

}  // namespace vx::gmctl
