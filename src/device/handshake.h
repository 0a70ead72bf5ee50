#pragma once

#include "device/link_host.h"
#include "device/link_state.h"
#include "device/transport.h"

namespace vx {

inline constexpr uint32_t kProbeAnswerPauseMs = 5;

// Probes the opened mouse, plain first, then scrambled. Only a scrambled answer is accepted; it
// sets ScrambleOn and DeviceReady and notifies code 14, anything else notifies code 15.
void Handshake(Transport& transport, LinkState& link, LinkHost& host);

// The probe command: 0x00 with the four magic bytes that the answer must echo.
CommandHeader ProbeHeader();

}  // namespace vx
