#pragma once

#include "common/pause_port.h"
#include "device/hid_port.h"
#include "device/link_host.h"
#include "device/link_state.h"

namespace vx {

inline constexpr uint32_t kProbeAnswerPauseMs = 5;

// Probes the opened mouse, plain first, then scrambled. Only a scrambled answer is accepted; it
// sets ScrambleOn and DeviceReady and notifies code 14, anything else notifies code 15.
void Handshake(HidPort& port, LinkState& link, LinkHost& host, PausePort& pause);

// The probe command: 0x00 with the four magic bytes that the answer must echo.
CommandHeader ProbeHeader();

}  // namespace vx
