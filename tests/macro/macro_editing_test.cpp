#include <gtest/gtest.h>

#include "device/key_codes.h"
#include "device/macro_slots.h"
#include "macro/macro_bindings.h"
#include "macro/macro_item_list.h"

namespace vx {
namespace {

TEST(MacroBindings, ADeletedMacrosSuccessorsMoveUpWithTheirCountsAndBindings) {
  Profile profile;
  SettingsRecord& record = profile.record;
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
  profile.key_texts[kSimplifiedChinese][12 + 3] = L"宏-m2";
  ForgetDeletedMacro(profile, 1, {L"Key Off", L"禁用按键", L"停用按鍵"});
  EXPECT_EQ(RepeatCount(MacroOf(record, 1)), 1);
  EXPECT_EQ(RepeatCount(MacroOf(record, 2)), 3);
  EXPECT_EQ(RepeatCount(MacroOf(record, 11)), 12);
  EXPECT_EQ(record.key_set_a.macro_index[0], 0);
  EXPECT_EQ(record.key_set_a.key_type[1], kKeyOff);
  EXPECT_EQ(profile.key_texts[kEnglish][1], L"Key Off");
  EXPECT_EQ(record.key_set_b.macro_index[2], 1);
  EXPECT_EQ(record.key_set_b.key_type[3], kKeyOff);
  EXPECT_EQ(profile.key_texts[kSimplifiedChinese][15], L"禁用按键") << "in every language";
  EXPECT_EQ(profile.key_texts[kTraditionalChinese][15], L"停用按鍵");
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
