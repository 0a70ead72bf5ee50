#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx::sim {

inline constexpr size_t kMatrixBytes = 64;
inline constexpr size_t kMacroBytes = 128;
inline constexpr size_t kConfigBytes = 24;

// Everything the mouse firmware keeps for the host's commands.
struct MouseMemory {
  uint8_t rate = 0;
  std::array<uint8_t, 4> sensor{};
  std::array<uint8_t, 3> effect{};
  std::array<std::array<uint8_t, 3>, 2> led{};
  std::array<std::array<uint8_t, kConfigBytes>, 2> config{};
  // Stage count, then the eight stage codes.
  std::array<uint8_t, 9> dpi{};
  std::array<std::array<uint8_t, kMatrixBytes>, 4> matrix{};
  std::array<std::array<uint8_t, kMacroBytes>, 12> macro{};

  bool operator==(const MouseMemory&) const = default;
};

// A plausible factory state: 1000 Hz, four stages, standard lighting, firmware bytes in
// configuration block 0 that the host must keep as read.
MouseMemory DefaultMouseMemory(uint8_t sensor_type = 0);

// One line per item ("rate 01", "sensor 00 01 00 00", ... "macro12 ..."), lowercase hex.
std::string MouseMemoryToText(const MouseMemory& memory);

struct MemoryParseResult {
  std::optional<MouseMemory> memory;
  std::string error;  // names the line at fault when memory is empty
};

// Items not named keep the value of base; unknown items, wrong byte counts and bad hex are errors.
MemoryParseResult ParseMouseMemory(std::string_view text, const MouseMemory& base);

}  // namespace vx::sim
