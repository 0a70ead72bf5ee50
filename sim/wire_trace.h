#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "common/pause_port.h"

namespace vx::sim {

// What crossed the wire between the host and the virtual mouse, in order, one line per event:
// "set-feature wire=.. plain=..", "get-feature wire=.. plain=..", "write ..", "read ..",
// "event ..", "timeout N", "pause N", "notify CODE VALUE". Shared by the bus, the pauses and the
// host's notifications; any thread may add to it.
class WireTrace {
 public:
  // A trace that records nothing, for a virtual mouse that runs for as long as the program does.
  explicit WireTrace(bool recording = true) : recording_(recording) {}

  void SetFeature(std::span<const uint8_t> wire, std::span<const uint8_t> plain);
  void GetFeature(std::span<const uint8_t> wire, std::span<const uint8_t> plain);
  void Write(std::span<const uint8_t> report);
  void Read(std::span<const uint8_t> report);
  void Event(std::span<const uint8_t> report);
  void Timeout(uint32_t milliseconds);
  void Pause(uint32_t milliseconds);
  void Notify(uint32_t code, uint32_t value);
  void Add(std::string line);

  std::vector<std::string> Lines() const;
  void Clear();
  // Sum of the pauses recorded so far.
  uint64_t PausedMilliseconds() const;

 private:
  const bool recording_;
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
  uint64_t paused_ms_ = 0;
};

// A pause that only records itself; tests assert pacing without waiting.
class TracedPause : public PausePort {
 public:
  explicit TracedPause(WireTrace& trace) : trace_(trace) {}
  void Pause(uint32_t milliseconds) override { trace_.Pause(milliseconds); }

 private:
  WireTrace& trace_;
};

}  // namespace vx::sim
