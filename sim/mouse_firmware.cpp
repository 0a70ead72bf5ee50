#include "sim/mouse_firmware.h"

#include <algorithm>

#include "device/command_codes.h"
#include "device/protocol_keys.h"

namespace vx::sim {

namespace {

bool ChecksumValid(const FeatureFrame& frame) {
  unsigned sum = 0;
  for (size_t i = 1; i <= 8; ++i) sum += frame[i];
  return (sum & 0xFF) == 0xFF;
}

FeatureFrame FrameOf(std::initializer_list<uint8_t> header_bytes) {
  CommandHeader header{};
  std::copy(header_bytes.begin(), header_bytes.end(), header.begin());
  return FramePlainReport(header);
}

// Bytes a long-read answer delivers past the end of the block, so overruns are visible.
constexpr uint8_t kFillerByte = 0xEE;

}  // namespace

MouseFirmware::MouseFirmware(ProbeMode mode, const MouseMemory& memory)
    : mode_(mode), key_(MakeKeyBlock(kScrambleKey)), memory_(memory) {}

std::optional<FeatureFrame> MouseFirmware::Decode(std::span<const uint8_t, 8> wire) const {
  FeatureFrame frame{};
  std::copy(wire.begin(), wire.end(), frame.begin() + 1);
  if (mode_ == ProbeMode::kScrambled) {
    UnscrambleReport(std::span<uint8_t, 8>(frame.data() + 1, 8), key_);
  }
  if (!ChecksumValid(frame)) return std::nullopt;
  return frame;
}

FeatureFrame MouseFirmware::ReceiveFeature(std::span<const uint8_t> report) {
  FeatureFrame raw{};
  std::copy_n(report.begin(), std::min(report.size(), raw.size()), raw.begin());
  answer_ = FeatureFrame{};
  // A new command abandons a long write that did not get all its reports.
  pending_write_.reset();
  const auto frame = Decode(std::span<const uint8_t, 8>(raw.data() + 1, 8));
  if (!frame) return raw;
  Execute(*frame);
  return *frame;
}

std::optional<MouseFirmware::Answer> MouseFirmware::AnswerFeature() const {
  if (mode_ == ProbeMode::kSilent) return std::nullopt;
  Answer answer{answer_, answer_};
  const bool empty = std::all_of(answer_.begin(), answer_.end(), [](uint8_t b) { return b == 0; });
  if (mode_ == ProbeMode::kScrambled && !empty) {
    ScrambleReport(std::span<uint8_t, 8>(answer.wire.data() + 1, 8), key_);
  }
  return answer;
}

void MouseFirmware::Execute(const FeatureFrame& frame) {
  const uint8_t command = frame[1];
  const uint8_t p1 = frame[2], p2 = frame[3], p3 = frame[4], p4 = frame[5];
  if (command & kReadFlag) return AnswerRead(frame);
  // Every write is echoed, as the probe is.
  answer_ = frame;
  switch (command) {
    case kCmdWriteReportRate:
      memory_.rate = p1;
      break;
    case kCmdWriteSensorBlock:
      // The sensor type is the hardware's; the rest is stored as sent.
      memory_.sensor = {memory_.sensor[0], p2, p3, p4};
      break;
    case kCmdWriteLedColours:
      if (p1 > 1) return;
      memory_.led[p1] = {p2, p3, p4};
      break;
    case kCmdWriteEffect:
      memory_.effect = {p1, p2, p3};
      break;
    case kCmdWriteConfigBlock:
    case kCmdWriteDpiTable:
    case kCmdWriteKeyMatrix:
    case kCmdWriteMacroSlot:
      if (p2 == 0) {
        CommitWrite(PendingWrite{command, p1, 0, {}});
      } else {
        pending_write_ = PendingWrite{command, p1, p2, {}};
      }
      return;
    default:
      return;
  }
  Changed();
}

void MouseFirmware::AnswerRead(const FeatureFrame& frame) {
  const uint8_t command = frame[1];
  const uint8_t requested = frame[2];
  // The answer names what was asked for, unless a fault makes it name something else.
  const uint8_t named = answered_target_override.value_or(requested);
  switch (command) {
    case kCmdReadSensorBlock: {
      const auto& s = memory_.sensor;
      answer_ = FrameOf({command, s[0], s[1], s[2], s[3]});
      return;
    }
    case kCmdReadLedColours: {
      const auto led = requested <= 1 ? memory_.led[requested] : std::array<uint8_t, 3>{};
      answer_ = FrameOf({command, named, led[0], led[1], led[2]});
      return;
    }
    case kCmdReadEffect: {
      const auto& e = memory_.effect;
      answer_ = FrameOf({command, e[0], e[1], e[2]});
      return;
    }
    case kCmdReadConfigBlock:
      if (requested <= 1) return QueueLongRead(command, named, memory_.config[requested]);
      return QueueLongRead(command, named, {});
    case kCmdReadMacroSlot:
      if (requested >= 1 && requested <= memory_.macro.size()) {
        return QueueLongRead(command, named, memory_.macro[requested - 1], macro_answer_length);
      }
      return QueueLongRead(command, named, {});
    default:
      answer_ = FrameOf({command});
      return;
  }
}

void MouseFirmware::QueueLongRead(uint8_t command, uint8_t target, std::span<const uint8_t> block,
                                  std::optional<uint8_t> length_answered) {
  const uint8_t length = answered_length_override.value_or(
      length_answered.value_or(static_cast<uint8_t>(block.size())));
  answer_ = FrameOf({command, target, length});
  input_reports_.clear();
  const size_t count = LongTransferReportCount(length);
  for (size_t i = 0; i < count; ++i) {
    VendorReport report{};
    for (size_t j = 0; j < kLongTransferChunk; ++j) {
      const size_t at = i * kLongTransferChunk + j;
      if (at >= length) break;
      report[j + 1] = at < block.size() ? block[at] : kFillerByte;
    }
    input_reports_.push_back(report);
  }
}

void MouseFirmware::ReceiveOutputReport(std::span<const uint8_t> report) {
  // An empty report has not even the report ID: it carries nothing, and its data may be null.
  if (!pending_write_ || report.empty()) return;
  PendingWrite& write = *pending_write_;
  const std::span<const uint8_t> payload = report.subspan(1);
  const size_t take =
      std::min({kLongTransferChunk, write.length - write.data.size(), payload.size()});
  write.data.insert(write.data.end(), payload.begin(), payload.begin() + take);
  if (write.data.size() < write.length) return;
  CommitWrite(write);
  pending_write_.reset();
}

std::optional<VendorReport> MouseFirmware::TakeInputReport() {
  if (input_reports_.empty()) return std::nullopt;
  VendorReport report = input_reports_.front();
  input_reports_.pop_front();
  return report;
}

namespace {

template <size_t N>
void CopyInto(std::array<uint8_t, N>& target, const std::vector<uint8_t>& data) {
  std::copy_n(data.begin(), std::min(N, data.size()), target.begin());
}

}  // namespace

void MouseFirmware::CommitWrite(const PendingWrite& write) {
  switch (write.command) {
    case kCmdWriteConfigBlock:
      if (write.target > 1) return;
      CopyInto(memory_.config[write.target], write.data);
      break;
    case kCmdWriteDpiTable: {
      memory_.dpi[0] = write.target;
      std::array<uint8_t, 8> codes{};
      CopyInto(codes, write.data);
      std::copy(codes.begin(), codes.end(), memory_.dpi.begin() + 1);
      break;
    }
    case kCmdWriteKeyMatrix:
      if (write.target < 1 || write.target > memory_.matrix.size()) return;
      CopyInto(memory_.matrix[write.target - 1], write.data);
      break;
    case kCmdWriteMacroSlot:
      if (write.target < 1 || write.target > memory_.macro.size()) return;
      CopyInto(memory_.macro[write.target - 1], write.data);
      break;
    default:
      return;
  }
  Changed();
}

void MouseFirmware::Changed() {
  if (on_change) on_change();
}

}  // namespace vx::sim
