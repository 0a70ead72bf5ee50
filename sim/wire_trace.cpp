#include "sim/wire_trace.h"

#include "common/text_format.h"

namespace vx::sim {

void WireTrace::SetFeature(std::span<const uint8_t> wire, std::span<const uint8_t> plain) {
  Add("set-feature wire=" + HexString(wire) + " plain=" + HexString(plain));
}

void WireTrace::GetFeature(std::span<const uint8_t> wire, std::span<const uint8_t> plain) {
  Add("get-feature wire=" + HexString(wire) + " plain=" + HexString(plain));
}

void WireTrace::Write(std::span<const uint8_t> report) {
  Add("write " + HexString(report));
}
void WireTrace::Read(std::span<const uint8_t> report) {
  Add("read " + HexString(report));
}
void WireTrace::Event(std::span<const uint8_t> report) {
  Add("event " + HexString(report));
}
void WireTrace::Timeout(uint32_t milliseconds) {
  Add("timeout " + std::to_string(milliseconds));
}

void WireTrace::Pause(uint32_t milliseconds) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (recording_) lines_.push_back("pause " + std::to_string(milliseconds));
  paused_ms_ += milliseconds;
}

void WireTrace::Notify(uint32_t code, uint32_t value) {
  Add("notify " + std::to_string(code) + " " + std::to_string(value));
}

void WireTrace::Add(std::string line) {
  if (!recording_) return;
  std::lock_guard<std::mutex> lock(mutex_);
  lines_.push_back(std::move(line));
}

std::vector<std::string> WireTrace::Lines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return lines_;
}

void WireTrace::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  lines_.clear();
  paused_ms_ = 0;
}

uint64_t WireTrace::PausedMilliseconds() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return paused_ms_;
}

}  // namespace vx::sim
