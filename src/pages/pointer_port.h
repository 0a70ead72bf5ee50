#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vx {

// The system's update flags of a settings change.
enum PointerUpdate : uint32_t { kUpdateIniFile = 0x1, kSendChange = 0x2 };

// Windows' own mouse settings, through SystemParametersInfoW and GetDoubleClickTime.
class PointerPort {
 public:
  virtual ~PointerPort() = default;

  // The mouse thresholds and acceleration (SPI_GETMOUSE); nothing when the call fails.
  virtual std::optional<std::array<int, 3>> GetMouse() = 0;
  virtual std::optional<int> GetMouseSpeed() = 0;
  virtual std::optional<uint32_t> GetWheelScrollLines() = 0;
  // 0 when the call fails.
  virtual uint32_t GetDoubleClickTime() = 0;

  // Each true when the system took the value.
  virtual bool SetMouse(const std::array<int, 3>& thresholds, uint32_t update) = 0;
  virtual bool SetMouseSpeed(int speed, uint32_t update) = 0;
  virtual bool SetWheelScrollLines(uint32_t lines, uint32_t update) = 0;
  virtual bool SetDoubleClickTime(uint32_t milliseconds, uint32_t update) = 0;
};

}  // namespace vx
