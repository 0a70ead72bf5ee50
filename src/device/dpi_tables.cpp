#include "device/dpi_tables.h"

#include <array>

namespace vx {

namespace {

// One constant area of four rows: 16, 8, 8 and 8 codes.
constexpr std::array<uint8_t, 40> kDpiCodeTable = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28,
    0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25,  //
    0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A,                          //
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,                          //
};
constexpr std::array<size_t, kSensorTypeCount> kCodeRowStart = {0, 16, 24, 32};

// The values shown for the same indices: 12, 8, 8 and 8 entries.
constexpr std::array<uint16_t, 36> kDpiValueTable = {
    250, 500, 750,  1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4800,  //
    600, 800, 1000, 1200, 1600, 2000, 2400, 3200,                          //
    250, 500, 750,  1000, 1250, 1500, 2000, 2500,                          //
    400, 800, 1200, 1600, 2000, 2400, 2800, 3200,                          //
};
constexpr std::array<size_t, kSensorTypeCount> kValueRowStart = {0, 12, 20, 28};
constexpr std::array<size_t, kSensorTypeCount> kRowLength = {12, 8, 8, 8};

}  // namespace

uint8_t DpiCode(uint8_t sensor_type, uint8_t index) {
  if (sensor_type >= kSensorTypeCount) return 0;
  const size_t at = kCodeRowStart[sensor_type] + index;
  return at < kDpiCodeTable.size() ? kDpiCodeTable[at] : 0;
}

std::optional<uint16_t> DpiValue(uint8_t sensor_type, uint8_t index) {
  if (sensor_type >= kSensorTypeCount) return std::nullopt;
  const size_t at = kValueRowStart[sensor_type] + index;
  if (at >= kDpiValueTable.size()) return std::nullopt;
  return kDpiValueTable[at];
}

size_t DpiRowLength(uint8_t sensor_type) {
  return kRowLength[sensor_type < kSensorTypeCount ? sensor_type : 0];
}

}  // namespace vx
