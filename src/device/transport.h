#pragma once

#include <cstdint>
#include <span>

#include "common/pause_port.h"
#include "device/hid_port.h"
#include "device/link_state.h"
#include "device/report_codec.h"

namespace vx {

// Bounds every wait for a long transfer's reports, so a mouse that stops sending them cannot
// hang the window. (Feature reports are control transfers, which the system's USB stack bounds.)
inline constexpr uint32_t kReportTimeoutMs = 1000;
inline constexpr uint32_t kOutputReportPauseMs = 3;

// Feature-report commands and 32-byte long transfers over the vendor collection.
class Transport {
 public:
  Transport(HidPort& port, LinkState& link, PausePort& pause)
      : port_(port), link_(link), pause_(pause) {}

  // A write returns the set-feature result. A read (bit 7) replaces the header with the answer's
  // bytes 1..8 and returns true.
  bool SendCommand(CommandHeader& header);

  // Sends the header, waits, and reads a feature report back whatever bit 7 says; the answer
  // replaces the header. The handshake's probe goes this way.
  void Exchange(CommandHeader& header, uint32_t pause_ms);

  // Header byte 2 is the length. A write sends that many bytes of data; a read stores as many
  // bytes as the device answers, but never more than data holds.
  void TransferBlock(CommandHeader& header, std::span<uint8_t> data);

 private:
  bool SendHeader(const CommandHeader& header);
  void ReadAnswer(CommandHeader& header);
  void ReadBlock(uint8_t length, std::span<uint8_t> data);
  void WriteBlock(uint8_t length, std::span<const uint8_t> data);

  HidPort& port_;
  LinkState& link_;
  PausePort& pause_;
};

}  // namespace vx
