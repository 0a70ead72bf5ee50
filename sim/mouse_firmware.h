#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "device/report_codec.h"
#include "sim/mouse_memory.h"

namespace vx::sim {

enum class ProbeMode {
  kScrambled,  // the real mouse: answers only scrambled frames
  kPlainOnly,  // an older firmware that speaks the plain protocol
  kSilent,     // never answers a feature read
};

inline constexpr size_t kVendorReportSize = 33;  // report ID and 32 data bytes

using FeatureFrame = std::array<uint8_t, kFeatureReportSize>;
using VendorReport = std::array<uint8_t, kVendorReportSize>;

// The firmware behind the vendor collection: decodes feature reports, keeps the memory, answers
// reads and takes long transfers.
class MouseFirmware {
 public:
  MouseFirmware(ProbeMode mode, const MouseMemory& memory);

  // Returns the frame as the mouse decoded it: unscrambled when that gives a valid checksum,
  // otherwise the bytes as they came.
  FeatureFrame ReceiveFeature(std::span<const uint8_t> report);

  struct Answer {
    FeatureFrame wire{};
    FeatureFrame plain{};
  };
  // What the next feature read returns; nothing when the mouse is silent.
  std::optional<Answer> AnswerFeature() const;

  void ReceiveOutputReport(std::span<const uint8_t> report);
  std::optional<VendorReport> TakeInputReport();

  ProbeMode mode() const { return mode_; }
  MouseMemory& memory() { return memory_; }
  const MouseMemory& memory() const { return memory_; }

  // Fault: long reads claim this length and deliver that many bytes, past the block.
  std::optional<uint8_t> answered_length_override;
  // Macro-slot reads answer this length, as a mouse answering only a slot's used part.
  std::optional<uint8_t> macro_answer_length;
  // Fault: reads of LED sets, configuration blocks and macro slots answer naming this one.
  std::optional<uint8_t> answered_target_override;
  // Called after every change of the memory.
  std::function<void()> on_change;

 private:
  struct PendingWrite {
    uint8_t command = 0;
    uint8_t target = 0;
    size_t length = 0;
    std::vector<uint8_t> data;
  };

  std::optional<FeatureFrame> Decode(std::span<const uint8_t, 8> wire) const;
  void Execute(const FeatureFrame& frame);
  void AnswerRead(const FeatureFrame& frame);
  void QueueLongRead(uint8_t command, uint8_t target, std::span<const uint8_t> block,
                     std::optional<uint8_t> length = std::nullopt);
  void CommitWrite(const PendingWrite& write);
  void Changed();

  ProbeMode mode_;
  KeyBlock key_;
  MouseMemory memory_;
  FeatureFrame answer_{};
  std::optional<PendingWrite> pending_write_;
  std::deque<VendorReport> input_reports_;
};

}  // namespace vx::sim
