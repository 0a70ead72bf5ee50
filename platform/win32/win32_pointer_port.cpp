#include "platform/win32/win32_pointer_port.h"

#include <windows.h>

namespace vx {

namespace {

class Win32PointerPort : public PointerPort {
 public:
  std::optional<std::array<int, 3>> GetMouse() override {
    std::array<int, 3> mouse{};
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse.data(), 0)) return std::nullopt;
    return mouse;
  }

  std::optional<int> GetMouseSpeed() override {
    int speed = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
    return speed;
  }

  std::optional<uint32_t> GetWheelScrollLines() override {
    UINT lines = 0;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
    return lines;
  }

  uint32_t GetDoubleClickTime() override { return ::GetDoubleClickTime(); }

  bool SetMouse(const std::array<int, 3>& thresholds, uint32_t update) override {
    std::array<int, 3> values = thresholds;
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values.data(), update) != FALSE;
  }

  // Windows takes the speed from the pointer argument itself (not from behind it), Wine from
  // the number argument: both carry it.
  bool SetMouseSpeed(int speed, uint32_t update) override {
    return SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                                 reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                 update) != FALSE;
  }

  bool SetWheelScrollLines(uint32_t lines, uint32_t update) override {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, update) != FALSE;
  }

  bool SetDoubleClickTime(uint32_t milliseconds, uint32_t update) override {
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, update) != FALSE;
  }
};

}  // namespace

std::unique_ptr<PointerPort> CreateWin32PointerPort() {
  return std::make_unique<Win32PointerPort>();
}

}  // namespace vx
