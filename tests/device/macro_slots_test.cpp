#include "device/macro_slots.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using Bytes = std::vector<uint8_t>;

// The slot's bytes up to the last non-zero one.
Bytes Used(std::span<const uint8_t, kMacroBytes> slot) {
  size_t end = slot.size();
  while (end > 0 && slot[end - 1] == 0) --end;
  return Bytes(slot.begin(), slot.begin() + static_cast<std::ptrdiff_t>(end));
}

// Event entries by hand: w <= 1270 gives (w / 10 | up, code), else (w % 100 | up, code, w / 100, 3);
// A is usage 0x04, F5 0x3E, L-Button 0xF0.
TEST(MacroCompiler, EventsCompileToTheSlotBytes) {
  struct Case {
    const char* name;
    std::vector<std::wstring> items;
    Bytes bytes;  // after the repeat count 00 01
  };
  const Case cases[] = {
      {"A down and up", {L"A   Dn", L"50 ms", L"A   Up"}, {0x05, 0x04, 0x80, 0x04}},
      {"1270 ms", {L"A   Dn", L"1270 ms"}, {127, 0x04}},
      {"1271 ms", {L"A   Dn", L"1271 ms"}, {71, 0x04, 12, 3}},
      {"1300 ms up", {L"F5   Up", L"1300 ms"}, {0x80, 0x3E, 13, 3}},
      {"up then 50 ms", {L"A   Up", L"50 ms"}, {0x85, 0x04}},
      {"starting with an up event", {L"50 ms", L"A   Up"}, {0x80, 0x04}},
      {"a click", {L"L-Button   Dn", L"50 ms", L"L-Button   Up", L"50 ms"},
       {0x05, 0xF0, 0x85, 0xF0}},
      {"an unknown key and a bad delay", {L"Foo   Dn", L"soon"}, {0x00, 0x00}},
      {"a delay beyond one byte of hundreds", {L"A   Dn", L"99999 ms"}, {99, 0x04, 255, 3}},
      {"a negative delay", {L"A   Dn", L"-5 ms"}, {0x00, 0x04}},
  };
  for (const Case& c : cases) {
    SettingsRecord record{};
    SetRepeatCount(MacroOf(record, 1), 1);
    MacroOf(record, 1)[100] = 0xEE;  // what an earlier macro left there
    EXPECT_TRUE(CompileMacro(c.items, MacroOf(record, 1))) << c.name;
    Bytes expected{0x00, 0x01};
    expected.insert(expected.end(), c.bytes.begin(), c.bytes.end());
    while (!expected.empty() && expected.back() == 0) expected.pop_back();
    EXPECT_EQ(Used(MacroOf(record, 1)), expected) << c.name;
  }
}

TEST(MacroCompiler, AMacroNeverRunsPastItsSlot) {
  std::vector<std::wstring> items;
  for (int i = 0; i < 64; ++i) {
    items.push_back(L"A   Dn");
    items.push_back(L"50 ms");
  }
  EXPECT_EQ(MacroEventBytes(items), 128u);
  SettingsRecord record{};
  MacroOf(record, 2)[0] = 0x12;
  EXPECT_FALSE(CompileMacro(items, MacroOf(record, 1)));
  EXPECT_EQ(MacroOf(record, 1)[127], 0x04);
  EXPECT_EQ(MacroOf(record, 2)[0], 0x12);
  items.resize(126);
  EXPECT_EQ(MacroEventBytes(items), 126u);
  EXPECT_TRUE(CompileMacro(items, MacroOf(record, 12)));
  EXPECT_EQ(MacroEventBytes({L"A   Dn", L"2000 ms", L"A   Up"}), 6u);
}

TEST(MacroCompiler, EveryMacroInItsSlotAndTheRestCleared) {
  std::vector<Macro> macros = {{L"m1", {L"A   Dn", L"50 ms"}},
                               {L"empty", {}},
                               {L"m3", {L"50 ms", L"A   Up"}},
                               {L"new", {L"A   Up"}}};
  SettingsRecord settings{};
  for (size_t n = 1; n <= 3; ++n) std::fill_n(MacroOf(settings, n).begin(), 6, 0x33);
  CompileMacros(macros, settings);
  EXPECT_EQ(Used(MacroOf(settings, 1)), (Bytes{0x33, 0x33, 0x05, 0x04}));
  EXPECT_EQ(Used(MacroOf(settings, 2)), Bytes{}) << "no items: the whole slot";
  EXPECT_EQ(Used(MacroOf(settings, 3)), (Bytes{0x33, 0x33, 0x80, 0x04}));
  EXPECT_EQ(Used(MacroOf(settings, 4)), (Bytes{0x00, 0x01, 0x80, 0x04})) << "played once";
  for (size_t n = 5; n <= kMacroCount; ++n) std::fill_n(MacroOf(settings, n).begin(), 6, 0x33);
  macros.pop_back();
  CompileMacros(macros, settings);
  for (size_t n = 4; n <= kMacroCount; ++n) EXPECT_EQ(Used(MacroOf(settings, n)), Bytes{}) << n;
}

}  // namespace
}  // namespace vx
