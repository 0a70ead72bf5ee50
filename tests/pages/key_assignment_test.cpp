#include "pages/key_assignment.h"

#include <gtest/gtest.h>

#include "device/key_codes.h"
#include "settings/factory_settings.h"

namespace vx {
namespace {

const LanguageText& English() {
  return LanguageTextFor(L"");
}

SettingsStore FactoryStore() {
  SettingsStore store;
  store.current.record = FactoryRecord();
  store.key_texts() = DefaultKeyTexts(English().functions);
  return store;
}

// A function whose every byte tells where it came from.
ButtonFunction Marked(uint8_t key_type, uint8_t marker, const std::wstring& text) {
  ButtonFunction function;
  function.fields[0] = key_type;
  for (size_t i = 1; i < kKeySetFields; ++i) function.fields[i] = static_cast<uint8_t>(marker + i);
  function.key_param6 = marker;
  function.text = text;
  return function;
}

// The sixteen arrays are 12 bytes apart from the key set's start (key set B at 0xC0), and the
// DPI sub-functions lie at 0x7A9 (A) and 0x7B5 (B): offsets by hand from the record's table.
TEST(ButtonFunction, EveryFieldLandsAtItsRecordOffset) {
  SettingsStore store;
  WriteButtonFunction(store, KeySetId::kB, 3, Marked(0x41, 0x50, L"F5"));
  const auto bytes = RecordToBytes(store.current.record);
  const size_t expected[][2] = {{0x0C0 + 3, 0x41},           {0x0C0 + 12 + 3, 0x51},
                                {0x0C0 + 10 * 12 + 3, 0x5A}, {0x0C0 + 15 * 12 + 3, 0x5F},
                                {0x7B5 + 3, 0x50}};
  size_t non_zero = 0;
  for (const uint8_t b : bytes) non_zero += b != 0 ? 1 : 0;
  EXPECT_EQ(non_zero, 17u) << "nothing else is written";
  for (const auto& [offset, value] : expected) EXPECT_EQ(bytes[offset], value) << offset;
  EXPECT_EQ(store.key_texts()[15], L"F5") << "Mode B's box 4 is \"Item43\", index 15";
  EXPECT_EQ(ReadButtonFunction(store, KeySetId::kB, 3), Marked(0x41, 0x50, L"F5"));
}

TEST(KeyAssignment, TheLeftClickRuleLooksAtAllTwelveButtonsOfTheSet) {
  struct Case {
    std::array<uint8_t, 12> types;
    size_t button;
    bool refused;
  };
  const Case cases[] = {
      {{0, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 15}, 0, true},
      {{0, 1, 2, 3, 0, 6, 5, 6, 12, 7, 15, 15}, 0, false},
      {{1, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 0}, 11, true},
      {{1, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 0}, 0, false},
      {{1, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 15}, 2, false},
  };
  for (const Case& c : cases) {
    KeySet keys{};
    keys.key_type = c.types;
    EXPECT_EQ(HoldsOnlyLeftClick(keys, c.button), c.refused) << c.button;
  }
}

TEST(KeyAssignment, AListedFunctionChangesOnlyTheShownSet) {
  SettingsStore store = FactoryStore();
  ChooseListedFunction(store, KeySetId::kB, 3, 4, L"Backward");
  EXPECT_EQ(store.current.record.key_set_b.key_type[3], 4);
  EXPECT_EQ(store.key_texts()[15], L"Backward");
  EXPECT_EQ(store.current.record.key_set_a, FactoryRecord().key_set_a);
  EXPECT_EQ(store.key_texts()[3], L"Forward");
}

// "Shift" is held in both sets, so whatever replaces it, type, parameters, DPI function and
// text, goes to both: the other set's button must not send a stale key.
TEST(KeyAssignment, ReplacingShiftCopiesTheWholeFunctionToTheOtherSet) {
  SettingsStore store = FactoryStore();
  ASSERT_TRUE(ChooseShift(store, KeySetId::kA, 2, L"Shift"));
  EXPECT_EQ(store.current.record.key_set_a.key_type[2], kKeyShift);
  EXPECT_EQ(store.current.record.key_set_b.key_type[2], kKeyShift);
  EXPECT_EQ(store.key_texts()[2], L"Shift");
  EXPECT_EQ(store.key_texts()[14], L"Shift");

  const ButtonFunction single = Marked(11, 0x30, L"Single Key-F5");
  StoreFunction(store, KeySetId::kB, 2, single);
  EXPECT_EQ(ReadButtonFunction(store, KeySetId::kA, 2), single);
  EXPECT_EQ(ReadButtonFunction(store, KeySetId::kB, 2), single);

  // Without "Shift" before, the other set keeps its own function.
  const ButtonFunction before = ReadButtonFunction(store, KeySetId::kA, 4);
  StoreFunction(store, KeySetId::kB, 4, Marked(12, 0x60, L"Combo Key-A"));
  EXPECT_EQ(ReadButtonFunction(store, KeySetId::kA, 4), before);
}

TEST(KeyAssignment, OnlyButtonsOneToEightAreLookedAtForASecondShift) {
  struct Case {
    size_t existing;  // the button already holding "Shift"
    size_t chosen;
    bool accepted;
  };
  const Case cases[] = {{0, 3, false}, {7, 3, false}, {3, 3, false}, {8, 3, true}, {9, 0, true}};
  for (const Case& c : cases) {
    SettingsStore store = FactoryStore();
    store.current.record.key_set_a.key_type[c.existing] = kKeyShift;
    const SettingsStore before = store;
    EXPECT_EQ(ChooseShift(store, KeySetId::kA, c.chosen, L"Shift"), c.accepted) << c.existing;
    if (!c.accepted) {
      EXPECT_EQ(store.current.record, before.current.record);
      EXPECT_EQ(store.key_texts(), before.key_texts());
    }
  }
}

TEST(KeyAssignment, ADpiFunctionLeavesTheOtherSetsShift) {
  SettingsStore store = FactoryStore();
  ASSERT_TRUE(ChooseShift(store, KeySetId::kA, 9, L"Shift"));
  ChooseDpiFunction(store, KeySetId::kA, 9, 3);
  EXPECT_EQ(store.current.record.key_set_a.key_type[9], 6);
  EXPECT_EQ(store.current.record.key_param6_a[9], 4);
  EXPECT_EQ(store.key_texts()[9], L"Shift DPI");
  EXPECT_EQ(store.current.record.key_set_b.key_type[9], kKeyShift);
  EXPECT_EQ(store.key_texts()[21], L"Shift");
}

TEST(KeyAssignment, DefaultsRestoreBothSetsAndTextsButKeepOtherParameters) {
  SettingsStore store;
  store.current.record.key_set_a.key_type.fill(11);
  store.current.record.key_set_b.single_usage[0] = 0x3E;
  store.key_texts().fill(L"mine");
  RestoreKeyDefaults(store, LanguageTextFor(L"CHS"));
  const std::array<uint8_t, 12> types = {0, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 15};
  EXPECT_EQ(store.current.record.key_set_a.key_type, types);
  EXPECT_EQ(store.current.record.key_set_b.key_type, types);
  EXPECT_EQ(store.current.record.key_param6_b[5], 3);
  EXPECT_EQ(store.current.record.key_set_a.combo_modifiers[8], 0x08);
  EXPECT_EQ(store.current.record.key_set_b.single_usage[0], 0x3E);
  EXPECT_EQ(store.key_texts()[0], L"左键");
  EXPECT_EQ(store.key_texts()[12 + 8], L"组合键-left Win+D");
}

TEST(KeyAssignment, ATypeOutsideTheListReadsKeyOff) {
  SettingsStore store = FactoryStore();
  store.current.record.key_set_b.key_type[1] = 16;
  store.current.record.key_set_b.key_type[2] = 0xFF;
  EXPECT_EQ(ShownKeyText(store, English(), KeySetId::kB, 1), L"Key Off");
  EXPECT_EQ(ShownKeyText(store, English(), KeySetId::kB, 2), L"Key Off");
  EXPECT_EQ(ShownKeyText(store, English(), KeySetId::kB, 3), L"Forward");
  EXPECT_EQ(ShownKeyText(store, English(), KeySetId::kA, 1), L"Right Click");
}

}  // namespace
}  // namespace vx
