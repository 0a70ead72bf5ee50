#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vx {

inline constexpr size_t kConfigBlockSize = 24;
inline constexpr size_t kMacroSlotSize = 128;
inline constexpr size_t kMacroSlotCount = 12;
inline constexpr size_t kKeyMatrixCount = 4;
inline constexpr size_t kKeyMatrixSlots = 16;
inline constexpr size_t kDpiStageTableSize = 8;

// Sensor block byte order.
enum SensorByte : size_t {
  kSensorType = 0,
  kSensorRate = 1,
  kSensorOption1 = 2,
  kSensorOption2 = 3
};
inline constexpr uint8_t kSensorOption2ProgramBit = 0x40;

// The program's copy of the mouse's data: reads fill it, writes send from it.
struct DeviceImage {
  std::array<uint8_t, 4> sensor_block{};
  std::array<uint8_t, 3> effect_block{};
  std::array<std::array<uint8_t, 3>, 2> led_colour_blocks{};
  std::array<std::array<uint8_t, kConfigBlockSize>, 2> config_blocks{};
  uint8_t dpi_stage_count = 0;
  std::array<uint8_t, kDpiStageTableSize> dpi_stage_table{};
  std::array<std::array<uint32_t, kKeyMatrixSlots>, kKeyMatrixCount> key_matrices{};
  std::array<std::array<uint8_t, kMacroSlotSize>, kMacroSlotCount> macro_slots{};
};

}  // namespace vx
