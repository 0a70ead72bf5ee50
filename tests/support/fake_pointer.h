#pragma once

#include <string>
#include <vector>

#include "pages/pointer_port.h"

namespace vx::test {

// Windows' pointer settings in memory: what the program reads, and every call it made.
class FakePointer : public PointerPort {
 public:
  std::optional<std::array<int, 3>> GetMouse() override { return mouse; }
  std::optional<int> GetMouseSpeed() override { return speed; }
  std::optional<uint32_t> GetWheelScrollLines() override { return lines; }
  uint32_t GetDoubleClickTime() override { return double_click; }

  bool SetMouse(const std::array<int, 3>& thresholds, uint32_t update) override {
    return Record(L"mouse " + std::to_wstring(thresholds[0]) + L"," +
                      std::to_wstring(thresholds[1]) + L"," + std::to_wstring(thresholds[2]),
                  update);
  }
  bool SetMouseSpeed(int value, uint32_t update) override {
    return Record(L"speed " + std::to_wstring(value), update);
  }
  bool SetWheelScrollLines(uint32_t value, uint32_t update) override {
    return Record(L"lines " + std::to_wstring(value), update);
  }
  bool SetDoubleClickTime(uint32_t value, uint32_t update) override {
    return Record(L"double-click " + std::to_wstring(value), update);
  }

  std::optional<std::array<int, 3>> mouse = std::array<int, 3>{6, 10, 1};
  std::optional<int> speed = 10;
  std::optional<uint32_t> lines = 3;
  uint32_t double_click = 500;
  // "what value/flags", in call order.
  std::vector<std::wstring> calls;
  // Calls whose name starts with this fail.
  std::wstring failing;

 private:
  bool Record(const std::wstring& call, uint32_t update) {
    calls.push_back(call + L"/" + std::to_wstring(update));
    return failing.empty() || call.rfind(failing, 0) != 0;
  }
};

}  // namespace vx::test
