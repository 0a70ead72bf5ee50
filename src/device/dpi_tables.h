#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vx {

inline constexpr uint8_t kSensorTypeCount = 4;
inline constexpr uint8_t kDpiDisabledBit = 0x80;

// Stage code sent for a DpiIndex. The rows lie one after the other, so an index past its row
// reads on into the next row, as the mouse has always been sent; past the last row it gives 0
// instead of reading beyond the table. Sensor types without a row give 0.
uint8_t DpiCode(uint8_t sensor_type, uint8_t index);

// The DPI shown for a DpiIndex, by the same rule; nothing for sensor types without values or
// past the table.
std::optional<uint16_t> DpiValue(uint8_t sensor_type, uint8_t index);

// Number of real entries in the sensor type's row (the DPI page's maximum); the type-0 row for
// other types.
size_t DpiRowLength(uint8_t sensor_type);

}  // namespace vx
