#include "device/handshake.h"

#include <algorithm>
#include <vector>

namespace vx {

namespace {

constexpr uint8_t kProbeMagic[4] = {0xAA, 0xDD, 0x3B, 0x62};
constexpr size_t kFeatureBufferSize = 16;

// Sends the probe and returns the answer's report bytes, both scrambled when a key block is given.
std::vector<uint8_t> ExchangeProbe(HidPort& port, const LinkState& link, PausePort& pause,
                                   const KeyBlock* key) {
  std::vector<uint8_t> report(std::max<size_t>(kFeatureBufferSize, link.feature_report_length), 0);
  const auto framed = FramePlainReport(ProbeHeader());
  std::copy(framed.begin(), framed.end(), report.begin());
  if (key) ScrambleReport(std::span<uint8_t, 8>(report.data() + 1, 8), *key);
  port.SetFeature(link.feature_handle,
                  std::span<const uint8_t>(report.data(), link.feature_report_length));
  pause.Pause(kProbeAnswerPauseMs);
  std::fill(report.begin(), report.end(), 0);
  port.GetFeature(link.feature_handle,
                  std::span<uint8_t>(report.data(), link.feature_report_length));
  if (key) UnscrambleReport(std::span<uint8_t, 8>(report.data() + 1, 8), *key);
  return report;
}

bool EchoesProbe(const std::vector<uint8_t>& answer) {
  return std::equal(std::begin(kProbeMagic), std::end(kProbeMagic), answer.begin() + 2);
}

}  // namespace

CommandHeader ProbeHeader() {
  return {0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0x00};
}

void Handshake(HidPort& port, LinkState& link, LinkHost& host, PausePort& pause) {
  // A mouse that answers in plain mode is not accepted, and nothing more is sent to it.
  if (!EchoesProbe(ExchangeProbe(port, link, pause, nullptr))) {
    link.key_block = MakeKeyBlock(kScrambleKey);
    if (EchoesProbe(ExchangeProbe(port, link, pause, &link.key_block))) {
      link.scramble_on = 1;
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
