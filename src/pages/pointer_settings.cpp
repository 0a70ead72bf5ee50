#include "pages/pointer_settings.h"

#include <algorithm>

namespace vx {

namespace {

constexpr std::array<int, 3> kPrecisionOn = {6, 10, 1};
constexpr std::array<int, 3> kPrecisionOff = {0, 0, 0};
constexpr uint32_t kSet = kSendChange;
constexpr uint32_t kSetAndStore = kUpdateIniFile | kSendChange;
constexpr wchar_t kWarning[] = L"Warning";

uint8_t InSteps(uint32_t step) {
  return static_cast<uint8_t>(std::clamp<uint32_t>(step, 1, kPointerSteps));
}

void Tell(MessagePort& messages, bool done, const wchar_t* failure) {
  if (!done) messages.ShowMessage(failure, kWarning);
}

}  // namespace

int MouseSpeedFromStep(uint8_t step) {
  return step <= 1 ? 1 : 2 * step - 2;
}

uint8_t StepFromMouseSpeed(int speed) {
  return InSteps(static_cast<uint32_t>(std::max(speed, 0)) / 2 + 1);
}

uint32_t DoubleClickTimeFromStep(uint8_t step) {
  return static_cast<uint32_t>(970 - 70 * static_cast<int>(step));
}

// The unsigned rule wraps a time above 900 ms into a large step; either end stays on the slider.
uint8_t StepFromDoubleClickTime(uint32_t milliseconds) {
  if (milliseconds > 900) return 1;
  return InSteps(static_cast<uint8_t>((900 - milliseconds) / 70) + 1u);
}

void ReadPointerSettings(PointerPort& pointer, MessagePort& messages, SettingsRecord& record) {
  const std::optional<std::array<int, 3>> mouse = pointer.GetMouse();
  record.pointer_precision = mouse && (*mouse)[2] != 0 ? 1 : 0;
  const std::optional<int> speed = pointer.GetMouseSpeed();
  Tell(messages, speed.has_value(), L"GETMOUSESPEED failed.");
  if (speed) record.mouse_speed_step = StepFromMouseSpeed(*speed);
  const std::optional<uint32_t> lines = pointer.GetWheelScrollLines();
  Tell(messages, lines.has_value(), L"GETWHEELSCROLLLINES failed.");
  const uint32_t read = lines.value_or(0);
  record.scroll_one_screen = read == kWheelPageScroll ? 1 : 0;
  // More than eleven lines are kept as read (and sent back so); the slider shows eleven.
  record.wheel_scroll_lines =
      read == kWheelPageScroll ? 0 : static_cast<uint8_t>(std::min<uint32_t>(read, 255));
  const uint32_t time = pointer.GetDoubleClickTime();
  Tell(messages, time != 0, L"GetDoubleClickTime failed.");
  if (time != 0) record.double_click_step = StepFromDoubleClickTime(time);
}

void ApplyPointerSettings(const SettingsRecord& record, PointerPort& pointer,
                          MessagePort& messages) {
  Tell(messages, pointer.SetMouse(record.pointer_precision == 1 ? kPrecisionOn : kPrecisionOff, kSet),
       L"SETMOUSE failed.");
  Tell(messages, pointer.SetMouseSpeed(MouseSpeedFromStep(record.mouse_speed_step), kSet),
       L"SETMOUSESPEED failed.");
  const uint32_t lines = record.scroll_one_screen == 1 ? kWheelPageScroll : record.wheel_scroll_lines;
  Tell(messages, pointer.SetWheelScrollLines(lines, kSet), L"SETWHEELSCROLLLINES failed.");
  Tell(messages,
       pointer.SetDoubleClickTime(DoubleClickTimeFromStep(record.double_click_step), kSetAndStore),
       L"SPI_SETDOUBLECLICKTIME failed.");
}

void CopyPointerFields(const SettingsRecord& from, SettingsRecord& to) {
  to.pointer_precision = from.pointer_precision;
  to.scroll_one_screen = from.scroll_one_screen;
  to.mouse_speed_step = from.mouse_speed_step;
  to.wheel_scroll_lines = from.wheel_scroll_lines;
  to.double_click_step = from.double_click_step;
}

void RestorePointerDefaults(PointerPort& pointer, MessagePort& messages, SettingsRecord& record) {
  Tell(messages, pointer.SetMouse(kPrecisionOff, kSet), L"SETMOUSE failed.");
  Tell(messages, pointer.SetMouseSpeed(10, kSet), L"SETMOUSESPEED failed.");
  Tell(messages, pointer.SetWheelScrollLines(3, kSet), L"SETWHEELSCROLLLINES failed.");
  Tell(messages, pointer.SetDoubleClickTime(500, kSetAndStore), L"SPI_SETDOUBLECLICKTIME failed.");
  record.pointer_precision = 0;
  record.scroll_one_screen = 0;
  record.mouse_speed_step = 6;
  record.wheel_scroll_lines = 3;
  record.double_click_step = 6;
}

}  // namespace vx
