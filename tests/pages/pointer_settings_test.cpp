#include "pages/pointer_settings.h"

#include <gtest/gtest.h>

#include "support/fake_pointer.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

TEST(PointerSettings, SliderPositionsAndWindowsValues) {
  const std::pair<int, uint8_t> speeds[] = {{10, 6}, {1, 1}, {3, 2}, {20, 11}, {0, 1}, {40, 11}};
  for (const auto& [speed, step] : speeds) EXPECT_EQ(StepFromMouseSpeed(speed), step) << speed;
  const std::pair<uint8_t, int> sent[] = {{1, 1}, {2, 2}, {6, 10}, {11, 20}};
  for (const auto& [step, speed] : sent) EXPECT_EQ(MouseSpeedFromStep(step), speed) << int(step);
  // Above 900 ms the unsigned rule would give a position far beyond 11, and Apply a nonsense
  // time: every time read stays on the slider.
  const std::pair<uint32_t, uint8_t> times[] = {{500, 6}, {200, 11}, {900, 1}, {901, 1},
                                                {5000, 1}, {100, 11}, {830, 2}};
  for (const auto& [time, step] : times) EXPECT_EQ(StepFromDoubleClickTime(time), step) << time;
  EXPECT_EQ(DoubleClickTimeFromStep(1), 900u);
  EXPECT_EQ(DoubleClickTimeFromStep(6), 550u);
  EXPECT_EQ(DoubleClickTimeFromStep(11), 200u);
}

TEST(PointerSettings, ReadingWindowsFillsTheRecordAndTellsEachFailure) {
  struct Case {
    const char* name;
    std::function<void(test::FakePointer&)> windows;
    uint8_t precision, one_screen, speed, lines, double_click;
    std::vector<std::wstring> told;
  };
  const Case cases[] = {
      {"usual", [](test::FakePointer&) {}, 1, 0, 6, 3, 6, {}},
      {"page scroll, no acceleration",
       [](test::FakePointer& p) {
         p.lines = 0xFFFFFFFF;
         p.mouse = std::array<int, 3>{6, 10, 0};
       },
       0, 1, 6, 0, 6, {}},
      {"many lines", [](test::FakePointer& p) { p.lines = 40; }, 1, 0, 6, 40, 6, {}},
      {"every read fails",
       [](test::FakePointer& p) {
         p.mouse.reset();
         p.speed.reset();
         p.lines.reset();
         p.double_click = 0;
       },
       0, 0, 9, 0, 9,
       {L"Warning|GETMOUSESPEED failed.", L"Warning|GETWHEELSCROLLLINES failed.",
        L"Warning|GetDoubleClickTime failed."}},
  };
  for (const Case& c : cases) {
    test::FakePointer pointer;
    c.windows(pointer);
    test::RecordingMessages messages;
    SettingsRecord record{};
    record.mouse_speed_step = 9;
    record.double_click_step = 9;
    ReadPointerSettings(pointer, messages, record);
    EXPECT_EQ(record.pointer_precision, c.precision) << c.name;
    EXPECT_EQ(record.scroll_one_screen, c.one_screen) << c.name;
    EXPECT_EQ(record.mouse_speed_step, c.speed) << c.name;
    EXPECT_EQ(record.wheel_scroll_lines, c.lines) << c.name;
    EXPECT_EQ(record.double_click_step, c.double_click) << c.name;
    EXPECT_EQ(messages.shown, c.told) << c.name;
  }
}

TEST(PointerSettings, ApplySendsInOrderAndGoesOnAfterAFailure) {
  SettingsRecord record{};
  record.pointer_precision = 1;
  record.scroll_one_screen = 1;
  record.wheel_scroll_lines = 5;
  record.mouse_speed_step = 11;
  record.double_click_step = 6;
  test::FakePointer pointer;
  pointer.failing = L"speed";
  test::RecordingMessages messages;
  ApplyPointerSettings(record, pointer, messages);
  EXPECT_EQ(pointer.calls, (std::vector<std::wstring>{L"mouse 6,10,1/2", L"speed 20/2",
                                                      L"lines 4294967295/2",
                                                      L"double-click 550/3"}));
  EXPECT_EQ(messages.shown, std::vector<std::wstring>{L"Warning|SETMOUSESPEED failed."});
  record.scroll_one_screen = 0;
  record.pointer_precision = 0;
  pointer.calls.clear();
  ApplyPointerSettings(record, pointer, messages);
  EXPECT_EQ(pointer.calls[0], L"mouse 0,0,0/2");
  EXPECT_EQ(pointer.calls[2], L"lines 5/2");
}

TEST(PointerSettings, DefaultsGoToWindowsAtOnceAndIntoTheRecord) {
  SettingsRecord record{};
  record.pointer_precision = 1;
  record.scroll_one_screen = 1;
  test::FakePointer pointer;
  pointer.failing = L"double-click";
  test::RecordingMessages messages;
  RestorePointerDefaults(pointer, messages, record);
  EXPECT_EQ(pointer.calls, (std::vector<std::wstring>{L"mouse 0,0,0/2", L"speed 10/2",
                                                      L"lines 3/2", L"double-click 500/3"}));
  EXPECT_EQ(messages.shown, std::vector<std::wstring>{L"Warning|SPI_SETDOUBLECLICKTIME failed."});
  EXPECT_EQ(record.pointer_precision, 0);
  EXPECT_EQ(record.scroll_one_screen, 0);
  EXPECT_EQ(record.mouse_speed_step, 6);
  EXPECT_EQ(record.wheel_scroll_lines, 3);
  EXPECT_EQ(record.double_click_step, 6);
}

}  // namespace
}  // namespace vx
