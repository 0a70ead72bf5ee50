#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "dialogs/combo_dialog.h"
#include "dialogs/single_dialog.h"
#include "layout/dialogs.h"

namespace vx {
namespace {

using namespace dialog_layout;

using test::DialogFixture;

constexpr uintptr_t kKeyA = 'A';
constexpr uintptr_t kKeyC = 'C';
constexpr uintptr_t kKeyControl = 0x11;
constexpr uintptr_t kLeftWindows = 0x5B;
constexpr uintptr_t kKeyF1 = 0x70;

TEST(SingleDialog, TheKeyPressedLastIsTheKeyAndEnterOrEscapeAreKeysToo) {
  struct Case {
    uintptr_t key;
    uint8_t scan;
    const wchar_t* name;
  };
  const Case cases[] = {{kKeyA, 0x1E, L"A"},
                        {kKeyReturn, 0x1C, L"Enter"},
                        {kKeyEscape, 0x01, L"Esc"},
                        {kLeftWindows, 0x5B, L"Left Windows"},
                        {kKeyF1, 0x3B, L"F1"}};
  for (const Case& c : cases) {
    DialogFixture f;
    CSingleDialog dialog(f.Context());
    const int result = f.Run<CSingleDialog>(dialog, [&](CSingleDialog& d) {
      EXPECT_TRUE(f.windows.HasKeyboardHook());
      EXPECT_EQ(f.windows.Get(f.Control(d, single_key::kKeyFieldId)).spec.rect,
                single_key::kKeyField);
      f.Press(d, c.key, c.scan, c.name, c.key == kLeftWindows);
      EXPECT_EQ(f.TextOf(d, single_key::kKeyFieldId), c.name);
      f.Click(d, 200, 260);
    });
    EXPECT_EQ(result, kIdOk) << "the key did not end the dialog";
    EXPECT_EQ(dialog.key().name, c.name);
    EXPECT_EQ(dialog.key().scan, (ScanCode{c.scan, c.key == kLeftWindows}));
    EXPECT_FALSE(f.windows.HasKeyboardHook()) << "the hook goes with the dialog";
  }
}

TEST(SingleDialog, WindowsKeysReachNoControlAndHelpIsAnsweredWithoutHelp) {
  DialogFixture f;
  CSingleDialog dialog(f.Context());
  f.Run<CSingleDialog>(dialog, [&](CSingleDialog& d) {
    const Message windows_key{d.window(), kMsgKeyDown, kLeftWindows, 0, {}};
    EXPECT_TRUE(d.PreTranslateMessage(windows_key));
    EXPECT_TRUE(d.PreTranslateMessage({d.window(), kMsgSysKeyDown, kKeyEscape, 0, {}}));
    EXPECT_FALSE(d.PreTranslateMessage({d.window(), kMsgKeyDown, kKeyA, 0, {}}));
    EXPECT_EQ(d.HandleMessage({d.window(), kMsgHelp, 0, 0, {}}), 1);
  });
}

TEST(SingleDialog, AFailedHookIsToldWithItsErrorAndTheDialogStillOpens) {
  DialogFixture f;
  f.windows.keyboard_hook_fails = true;
  f.windows.keyboard_hook_error = 1428;
  CSingleDialog dialog(f.Context());
  EXPECT_EQ(f.Run<CSingleDialog>(dialog, [&](CSingleDialog& d) { f.Click(d, 200, 260); }), kIdOk);
  EXPECT_EQ(f.messages.shown,
            (std::vector<std::wstring>{L"KeyboardHook_SingleDlgKey Install error code :1428\n"}));
  EXPECT_EQ(dialog.key().name, L"");
}

class ComboDialogTest : public ::testing::Test {
 protected:
  void ClickBox(CComboDialog& d, int box) { f_.Click(d, 90, box == 1 ? 127 : 177); }
  DialogFixture f_;
};

TEST_F(ComboDialogTest, EachKeyGoesToTheFocusedBoxAndTheModifierComesFromTheList) {
  CComboDialog dialog(f_.Context());
  ASSERT_EQ(f_.Run<CComboDialog>(dialog, [&](CComboDialog& d) {
    f_.Press(d, kKeyA, 0x1E, L"A");
    EXPECT_EQ(d.key1().name, L"") << "no box has the focus";
    ClickBox(d, 1);
    f_.Press(d, kKeyControl, 0x1D, L"Ctrl");
    ClickBox(d, 2);
    f_.Press(d, kKeyC, 0x2E, L"C");
    f_.Press(d, kKeyReturn, 0x1C, L"Enter");
    EXPECT_EQ(f_.TextOf(d, combo_key::kLowerBoxId), L"Enter") << "Enter is a key here";
    f_.Press(d, kKeyC, 0x2E, L"C");
    f_.Click(d, 125, 77);
    EXPECT_FALSE(f_.windows.Get(f_.Control(d, combo_key::kUpperBoxId)).enabled);
    EXPECT_FALSE(f_.windows.Get(f_.Control(d, combo_key::kLowerBoxId)).enabled);
    f_.Press(d, kKeyA, 0x1E, L"A");
    EXPECT_EQ(d.key2().name, L"C") << "the open list takes the focus from the boxes";
    EXPECT_EQ(f_.windows.Get(f_.Control(d, combo_key::kModifierListId)).items.size(), 8u);
    f_.Pick(d, combo_key::kModifierListId, 1);
    EXPECT_TRUE(f_.windows.Get(f_.Control(d, combo_key::kUpperBoxId)).enabled);
    EXPECT_EQ(f_.TextOf(d, combo_key::kModifierFieldId), L"Left Shift");
    f_.Click(d, 200, 260);
  }), kIdOk);
  EXPECT_EQ(dialog.modifier(), L"Left Shift");
  EXPECT_EQ(dialog.key1(), (CapturedKey{L"Ctrl", {0x1D, false}}));
  EXPECT_EQ(dialog.key2(), (CapturedKey{L"C", {0x2E, false}}));
}

TEST_F(ComboDialogTest, AFailedHookNamesTheComboDialog) {
  f_.windows.keyboard_hook_fails = true;
  CComboDialog dialog(f_.Context());
  f_.Run<CComboDialog>(dialog, [&](CComboDialog& d) { f_.Click(d, 300, 260); });
  ASSERT_EQ(f_.messages.shown.size(), 1u);
  EXPECT_EQ(f_.messages.shown[0].rfind(L"KeyboardHook_ComboDlg Install error code :", 0), 0u);
}

}  // namespace
}  // namespace vx
