#pragma once

#include <cstdint>

namespace vx {

// The mouse's command vocabulary; bit 7 marks a read.
enum CommandCode : uint8_t {
  kCmdProbe = 0x00,
  kCmdWriteReportRate = 0x01,
  kCmdWriteSensorBlock = 0x03,
  kCmdReadSensorBlock = 0x83,
  kCmdWriteLedColours = 0x07,
  kCmdReadLedColours = 0x87,
  kCmdWriteEffect = 0x0D,
  kCmdReadEffect = 0x8D,
  kCmdWriteConfigBlock = 0x10,
  kCmdReadConfigBlock = 0x90,
  kCmdWriteDpiTable = 0x11,
  kCmdWriteKeyMatrix = 0x12,
  kCmdWriteMacroSlot = 0x13,
  kCmdReadMacroSlot = 0x93,
};

}  // namespace vx
