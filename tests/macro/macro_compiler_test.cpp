#include "macro/macro_compiler.h"

#include <gtest/gtest.h>

#include "device/key_codes.h"
#include "macro/macro_items.h"
#include "settings/ini_engine.h"
#include "support/memory_files.h"

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

// 63 short events fill the 126 event bytes; a 64th neither fits nor overruns into slot 2.
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

TEST(MacroCompiler, EveryMacroOfTheFileInItsSlotAndTheRestCleared) {
  test::MemoryFiles files;
  IniProfileStore profile(files);
  RecordIni record(profile, files, L"record.ini");
  record.WriteItems(L"m1", {L"A   Dn", L"50 ms"});
  record.WriteItems(L"empty", {});
  record.WriteItems(L"m3", {L"50 ms", L"A   Up"});
  record.WriteItems(L"new", {L"A   Up"});
  SettingsRecord settings{};
  for (size_t n = 1; n <= 3; ++n) std::fill_n(MacroOf(settings, n).begin(), 6, 0x33);
  CompileMacros(record, settings);
  EXPECT_EQ(Used(MacroOf(settings, 1)), (Bytes{0x33, 0x33, 0x05, 0x04}));
  EXPECT_EQ(Used(MacroOf(settings, 2)), Bytes{}) << "no items: the whole slot";
  EXPECT_EQ(Used(MacroOf(settings, 3)), (Bytes{0x33, 0x33, 0x80, 0x04}));
  EXPECT_EQ(Used(MacroOf(settings, 4)), (Bytes{0x00, 0x01, 0x80, 0x04})) << "played once";
  for (size_t n = 5; n <= kMacroCount; ++n) std::fill_n(MacroOf(settings, n).begin(), 6, 0x33);
  record.DeleteMacro(L"new");
  CompileMacros(record, settings);
  for (size_t n = 4; n <= kMacroCount; ++n) EXPECT_EQ(Used(MacroOf(settings, n)), Bytes{}) << n;
}

TEST(MacroCompiler, ADeletedMacrosSuccessorsMoveUpWithTheirCountsAndBindings) {
  SettingsStore store;
  SettingsRecord& record = store.current;
  for (size_t n = 1; n <= kMacroCount; ++n) SetRepeatCount(MacroOf(record, n), static_cast<uint16_t>(n));
  struct Binding {
    KeySetId set;
    size_t button;
    uint8_t macro;
  };
  const Binding bindings[] = {{KeySetId::kA, 0, 0}, {KeySetId::kA, 1, 1}, {KeySetId::kB, 2, 2},
                              {KeySetId::kB, 3, 1}};
  for (const Binding& b : bindings) {
    KeySetOf(record, b.set).key_type[b.button] = kKeyMacroKey;
    KeySetOf(record, b.set).macro_index[b.button] = b.macro;
  }
  KeySetOf(record, KeySetId::kA).key_type[4] = kKeyFireKey;
  KeySetOf(record, KeySetId::kA).macro_index[4] = 5;  // not a macro button: left alone
  store.key_texts[12 + 3] = L"Macro Key-m2";
  ForgetDeletedMacro(store, 1, L"Key Off");
  EXPECT_EQ(RepeatCount(MacroOf(record, 1)), 1);
  EXPECT_EQ(RepeatCount(MacroOf(record, 2)), 3);
  EXPECT_EQ(RepeatCount(MacroOf(record, 11)), 12);
  EXPECT_EQ(record.key_set_a.macro_index[0], 0);
  EXPECT_EQ(record.key_set_a.key_type[1], kKeyOff);
  EXPECT_EQ(store.key_texts[1], L"Key Off");
  EXPECT_EQ(record.key_set_b.macro_index[2], 1);
  EXPECT_EQ(record.key_set_b.key_type[3], kKeyOff);
  EXPECT_EQ(store.key_texts[15], L"Key Off");
  EXPECT_EQ(record.key_set_a.macro_index[4], 5);
}

TEST(MacroItems, MouseEventsInsertAtTheSelection) {
  struct Case {
    std::vector<std::wstring> items;
    int selection;
    const wchar_t* event;
    std::vector<std::wstring> after;
    int selected;
  };
  const Case cases[] = {
      {{}, -1, L"L-Button Click",
       {L"L-Button   Dn", L"50 ms", L"L-Button   Up", L"50 ms"}, -1},
      {{}, -1, L"R-Button   Up", {L"R-Button   Up", L"50 ms"}, -1},
      {{L"A   Dn", L"50 ms"}, 1, L"M-Button Click",
       {L"A   Dn", L"50 ms", L"M-Button   Dn", L"50 ms", L"M-Button   Up", L"50 ms"}, 2},
      {{L"A   Dn", L"50 ms"}, 1, L"L-Button   Dn", {L"A   Dn", L"50 ms", L"L-Button   Dn", L"50 ms"},
       2},
      {{L"A   Dn", L"80 ms"}, 0, L"L-Button Click",
       {L"A   Dn", L"50 ms", L"L-Button   Dn", L"50 ms", L"L-Button   Up", L"80 ms"}, 2},
      {{L"A   Dn", L"80 ms"}, 0, L"R-Button   Dn", {L"A   Dn", L"50 ms", L"R-Button   Dn", L"80 ms"},
       2},
  };
  for (const Case& c : cases) {
    ItemList list{c.items, c.selection};
    EXPECT_TRUE(InsertMouseEvent(list, c.event)) << c.event;
    EXPECT_EQ(list.items, c.after) << c.event;
    EXPECT_EQ(list.selection, c.selected) << c.event;
  }
  ItemList unselected{{L"A   Dn"}, -1};
  EXPECT_FALSE(InsertMouseEvent(unselected, L"L-Button Click"));
  EXPECT_EQ(unselected.items.size(), 1u);
}

TEST(MacroItems, TheDelayDialogsAnswerIsKeptWithin20To10000) {
  const std::tuple<int32_t, const wchar_t*, const wchar_t*> cases[] = {
      {5, L"5", L"20 ms"},       {19, L"19", L"20 ms"},       {20, L"20", L"20 ms"},
      {50, L"0050", L"0050 ms"}, {10000, L"10000", L"10000 ms"}, {20000, L"20000", L"10000 ms"},
      {0, L"", L"20 ms"}};
  for (const auto& [value, typed, item] : cases) {
    EXPECT_EQ(DelayItemFromDialog(value, typed), item) << typed;
  }
}

}  // namespace
}  // namespace vx
