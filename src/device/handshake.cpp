#include "device/handshake.h"

#include <algorithm>

namespace vx {

namespace {

constexpr uint8_t kProbeMagic[4] = {0xAA, 0xDD, 0x3B, 0x62};

// The probe as the link's scrambling stands; true when the answer echoes the magic bytes.
bool ProbeAnswered(Transport& transport) {
  CommandHeader header = ProbeHeader();
  transport.Exchange(header, kProbeAnswerPauseMs);
  return std::equal(std::begin(kProbeMagic), std::end(kProbeMagic), header.begin() + 1);
}

}  // namespace

CommandHeader ProbeHeader() {
  return {0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0x00};
}

void Handshake(Transport& transport, LinkState& link, LinkHost& host) {
  link.scramble_on = 0;
  // A mouse that answers in plain mode is not accepted, and nothing more is sent to it.
  if (!ProbeAnswered(transport)) {
    link.key_block = MakeKeyBlock(kScrambleKey);
    link.scramble_on = 1;
    if (ProbeAnswered(transport)) {
      host.Notify(kNotifyMouseFound, 0);
      link.device_ready.store(1);
      return;
    }
  }
  link.scramble_on = 0;
  host.Notify(kNotifyMouseMissing, 0);
  link.device_ready.store(0);
}

}  // namespace vx
