#include "device/dpi_tables.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(DpiCode, ReadsTheRowOfTheSensorTypeAndRunsOnIntoTheNext) {
  struct Case {
    uint8_t sensor_type, index, code;
  };
  const Case cases[] = {
      {0, 0, 0x01},  {0, 7, 0x08},   {0, 8, 0x25},  {0, 11, 0x28},
      {0, 12, 0x00}, {0, 15, 0x00},  {0, 16, 0x01},  // past the 16-byte row: the type-1 row
      {1, 0, 0x01},  {1, 5, 0x23},   {1, 7, 0x25},  {1, 8, 0x02},  // into the type-2 row
      {2, 4, 0x0A},  {2, 7, 0x2A},   {3, 0, 0x01},  {3, 7, 0x08},
      {3, 8, 0x00},  {2, 255, 0x00},  // past the whole table: nothing is read
      {4, 0, 0x00},  {255, 3, 0x00},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DpiCode(c.sensor_type, c.index), c.code) << int(c.sensor_type) << "/" << int(c.index);
  }
}

TEST(DpiValue, GivesTheShownDpiByTheSameRule) {
  struct Case {
    uint8_t sensor_type, index;
    std::optional<uint16_t> dpi;
  };
  const Case cases[] = {
      {0, 0, 250},  {0, 11, 4800}, {0, 12, 600}, {1, 1, 800},          {1, 7, 3200},
      {2, 6, 2000}, {3, 0, 400},   {3, 7, 3200}, {3, 8, std::nullopt}, {4, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DpiValue(c.sensor_type, c.index), c.dpi) << int(c.sensor_type) << "/" << int(c.index);
  }
  EXPECT_EQ(DpiRowLength(0), 12u);
  EXPECT_EQ(DpiRowLength(3), 8u);
  EXPECT_EQ(DpiRowLength(9), 12u);
}

}  // namespace
}  // namespace vx
