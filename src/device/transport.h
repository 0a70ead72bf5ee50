#pragma once

#include <cstdint>
#include <span>

#include "common/diagnostic_port.h"
#include "common/pause_port.h"
#include "device/hid_port.h"
#include "device/link_state.h"
#include "device/report_codec.h"

namespace vx {

// Bounds every wait for a long transfer's reports, so a mouse that stops sending them cannot
// hang the window. (Feature reports are control transfers, which the system's USB stack bounds.)
inline constexpr uint32_t kReportTimeoutMs = 1000;
inline constexpr uint32_t kOutputReportPauseMs = 3;

// The answered lengths a long read accepts.
enum class AnsweredLength {
  kExact,   // data.size(): a block the program writes back must be read whole
  kAtMost,  // up to data.size(); the rest of data stays as the caller left it
};

// Feature-report commands and 32-byte long transfers over the vendor collection. Each system
// call that fails leaves a diagnostic line with its error code.
class Transport {
 public:
  Transport(HidPort& port, LinkState& link, PausePort& pause, DiagnosticPort& diagnostics)
      : port_(port), link_(link), pause_(pause), diagnostics_(diagnostics) {}

  // A write returns the set-feature result. A read (bit 7) replaces the header with the answer's
  // bytes 1..8 and returns true only when the answer came and its first byte echoes the command:
  // a read that fails is never passed on as an answer of zeros. The answer's checksum is not
  // checked, as the mouse may compute it its own way.
  bool SendCommand(CommandHeader& header);

  // Sends the header, waits, and reads a feature report back whatever bit 7 says; the answer
  // replaces the header (zeros when none came). The handshake's probe goes this way.
  void Exchange(CommandHeader& header, uint32_t pause_ms);

  // Header byte 2 is the length. A write sends that many bytes of data and returns true when
  // every report went out. A read asks for data.size() bytes: the answer replaces the header and
  // the answered bytes that fit fill the front of data; it returns true only when the answer
  // echoes the command, names a length the rule accepts and every report arrives. The reports of
  // an answer of another length are still read off the wire, so none is left queued for the next
  // transfer.
  bool TransferBlock(CommandHeader& header, std::span<uint8_t> data,
                     AnsweredLength rule = AnsweredLength::kExact);

 private:
  bool SendHeader(const CommandHeader& header);
  // True when a feature report came and its first byte echoes the command.
  bool ReadAnswer(CommandHeader& header);
  bool ReadBlock(uint8_t length, std::span<uint8_t> data);
  bool WriteBlock(uint8_t length, std::span<const uint8_t> data);
  // "CALL failed." or "CALL timed out.", then the error code the call left.
  void NoteFailure(const char* call, IoStatus status = IoStatus::kFailed);

  HidPort& port_;
  LinkState& link_;
  PausePort& pause_;
  DiagnosticPort& diagnostics_;
};

}  // namespace vx
