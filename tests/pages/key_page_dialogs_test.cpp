#include <gtest/gtest.h>

#include "device/key_codes.h"
#include "pages/basic_page_fixture.h"

namespace vx {
namespace {

using namespace basic_layout;

class KeyPageDialogsTest : public test::BasicPageTest {
 public:
  // The next key-function dialog runs this script inside its loop.
  void Script(std::function<void(Dialog&)> script) {
    f().windows.modal_scripts.push_back(std::move(script));
  }
  void PressInDialog(Dialog& d, uintptr_t key, uint8_t scan, const std::wstring& name) {
    const intptr_t data = intptr_t{1} | intptr_t{scan} << 16;
    f().windows.Key(d, {kMsgKeyDown, key, data, name});
    f().windows.Key(d, {kMsgKeyUp, key, data | intptr_t{3} << 30, name});
  }
  void Ok(Dialog& d) { f().windows.Click(d, 200, 260); }
};

TEST_F(KeyPageDialogsTest, ASingleKeyFromItsDialogIsStoredAndShown) {
  Script([&](Dialog& d) {
    PressInDialog(d, 0x74, 0x3F, L"F5");
    Ok(d);
  });
  Choose(6, kKeySingleKey);
  EXPECT_EQ(Record().key_set_a.key_type[6], kKeySingleKey);
  EXPECT_EQ(Record().key_set_a.single_usage[6], 0x3E);
  EXPECT_EQ(BoxText(6), L"Single Key-F5");
  EXPECT_EQ(Record().key_set_b.key_type[6], kKeyTripleClick) << "Mode B keeps its own";
}

TEST_F(KeyPageDialogsTest, EachDialogsAnswerGoesIntoTheShownSet) {
  struct Case {
    int entry;
    std::function<void(KeyPageDialogsTest&, Dialog&)> script;
    const wchar_t* text;
  };
  const auto pick = [](int zone_x, int zone_y, int list_id, int entry) {
    return [=](KeyPageDialogsTest& t, Dialog& d) {
      t.f().windows.Click(d, zone_x, zone_y);
      const WindowHandle list = t.f().windows.ControlById(d.window(), list_id);
      t.f().windows.ListSetTopIndex(list, entry);
      const Rect item = t.f().windows.ListItemRect(list, entry);
      const Rect rect = t.f().windows.Get(list).spec.rect;
      t.f().windows.Click(d, rect.left + 5, rect.top + 1 + (item.top + item.bottom) / 2);
      t.Ok(d);
    };
  };
  const Case cases[] = {{kKeyWindows, pick(100, 135, 533, 10), L"Browser-My Favorites"},
                        {kKeyMultimedia, pick(100, 135, 553, 6), L"Multimedia-Vol-"},
                        {kKeyFireKey, pick(125, 77, 573, 60), L"Fire Key-R-Tilt Wheel"}};
  for (const Case& c : cases) {
    Script([&](Dialog& d) { c.script(*this, d); });
    Choose(4, c.entry);
    EXPECT_EQ(Record().key_set_a.key_type[4], c.entry);
    EXPECT_EQ(BoxText(4), c.text);
  }
  EXPECT_EQ(Record().key_set_a.windows_usage_low[4], 0x2A);
  EXPECT_EQ(Record().key_set_a.windows_usage_high[4], 2);
  EXPECT_EQ(Record().key_set_a.media_usage[4], 0xEA);
  EXPECT_EQ(Record().key_set_a.fire_usage[4], 0xF6);
  EXPECT_EQ(Record().key_set_a.fire_speed[4], 32);
  Click(700, 630);  // Apply: button 5 is matrix slot 9
  const auto& matrix1 = f().bus.firmware(f().mouse).memory().matrix[0];
  EXPECT_EQ(std::vector<uint8_t>(matrix1.begin() + 36, matrix1.begin() + 40),
            (std::vector<uint8_t>{0x0A, 0xF6, 32, 1}));
}

// A key the mouse has no usage for would be sent as nothing while the box named the key.
TEST_F(KeyPageDialogsTest, AKeyWithoutAUsageIsRefusedAndNothingChanges) {
  const SettingsRecord before = Record();
  Script([&](Dialog& d) {
    PressInDialog(d, 0x13, 0x46, L"Break");
    f().windows.Key(d, {kMsgKeyUp, 0x13, intptr_t{0x46} << 16 | intptr_t{1} << 24, L"Break"});
    Ok(d);
  });
  Choose(6, kKeySingleKey);
  EXPECT_EQ(Record(), before);
  EXPECT_EQ(BoxText(6), L"Fire Key");
  ASSERT_FALSE(f().windows.boxes.empty());
  EXPECT_EQ(f().windows.boxes.back().text,
            L"The mouse cannot send this key. Please choose another key.");
}

TEST_F(KeyPageDialogsTest, AShiftButtonPassesItsWholeNewFunctionToTheOtherSet) {
  Choose(3, kKeyShift);
  Click(400, 525);  // Mode B
  Script([&](Dialog& d) {
    PressInDialog(d, 0x74, 0x3F, L"F5");
    Ok(d);
  });
  Choose(3, kKeySingleKey);
  for (const KeySet* keys : {&Record().key_set_a, &Record().key_set_b}) {
    EXPECT_EQ(keys->key_type[3], kKeySingleKey);
    EXPECT_EQ(keys->single_usage[3], 0x3E);
  }
  EXPECT_EQ(Texts()[3], L"Single Key-F5");
  EXPECT_EQ(Texts()[15], L"Single Key-F5");
}

TEST_F(KeyPageDialogsTest, ATrayClickWhileADialogRunsOnlyBringsItToTheFront) {
  size_t draws_during = 0;
  Script([&](Dialog& d) {
    const size_t before = f().windows.text.draws.size();
    f().Tray(kMsgLButtonUp);
    draws_during = f().windows.text.draws.size() - before;
    f().windows.Click(d, 300, 260);
  });
  Choose(6, kKeyComboKey);
  EXPECT_EQ(draws_during, 0u) << "the page under the dialog was not rebuilt";
  EXPECT_EQ(Record().key_set_a.key_type[6], kKeyTripleClick);
}

}  // namespace
}  // namespace vx
