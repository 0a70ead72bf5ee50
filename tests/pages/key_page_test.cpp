#include <gtest/gtest.h>

#include "device/key_codes.h"
#include "layout/advanced_page.h"
#include "pages/basic_page_fixture.h"

namespace vx {
namespace {

using namespace basic_layout;
using test::FakeImages;

class KeyPageTest : public test::BasicPageTest {};

TEST_F(KeyPageTest, EachBoxOpensItsOwnListInItsPlace) {
  struct Case {
    size_t button;
    Rect list;
  };
  const Case cases[] = {{1, {252, 244, 463, 514}},
                        {5, {252, 336, 463, 606}},
                        {6, {463, 100, 674, 370}},
                        {9, {463, 169, 674, 439}}};
  for (const Case& c : cases) {
    ClickBox(c.button);
    const int id = kFirstFunctionListId + static_cast<int>(c.button);
    ASSERT_NE(Control(id), kNoWindow) << c.button;
    EXPECT_EQ(RectOf(id), c.list) << c.button;
    const auto entries = Entries(id);
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0], L"Left Click");
    EXPECT_EQ(entries[15], L"Key Off");
    EXPECT_EQ(f().windows.Controls(f().dialog->window()).size(), 4u + 3u + 1u) << "one at a time";
    // Closed by a second click: the next box may lie under the list, which would take the click.
    ClickBox(c.button);
    EXPECT_EQ(Control(id), kNoWindow) << c.button;
  }
  EXPECT_EQ(FunctionList(0), (Rect{252, 221, 463, 491}));
}

TEST_F(KeyPageTest, TheOnlyLeftClickCannotBeChangedUntilAnotherButtonHasOne) {
  ClickBox(0);
  ASSERT_EQ(f().windows.boxes.size(), 1u);
  EXPECT_EQ(f().windows.boxes[0].text, L"Left key must be selected!");
  EXPECT_EQ(f().windows.boxes[0].caption, L"Warning");
  EXPECT_EQ(Control(kFirstFunctionListId), kNoWindow);
  Choose(4, kKeyLeftClick);
  ClickBox(0);
  EXPECT_EQ(f().windows.boxes.size(), 1u);
  EXPECT_NE(Control(kFirstFunctionListId), kNoWindow);
}

TEST_F(KeyPageTest, ListedFunctionsAreStoredInTheShownSetAndShownAtOnce) {
  Click(400, 525);  // Mode B
  const std::pair<int, const wchar_t*> cases[] = {
      {kKeyRightClick, L"Right Click"}, {kKeyTripleClick, L"Triple-click"},
      {kKeyRgbOnOff, L"RGB On/Off"},    {kKeyOff, L"Key Off"},
      {kKeyBackward, L"Backward"}};
  for (const auto& [entry, text] : cases) {
    Choose(3, entry);
    EXPECT_EQ(Record().key_set_b.key_type[3], entry) << text;
    EXPECT_EQ(BoxText(3), text);
    EXPECT_EQ(Texts()[15], text);
    EXPECT_EQ(Control(kFirstFunctionListId + 3), kNoWindow) << "the choice closes the list";
  }
  EXPECT_EQ(Record().key_set_a, FactoryRecord().key_set_a);
  EXPECT_EQ(StrIniText(L"Item43"), L"Forward") << "nothing is saved before Apply";
  Click(700, 630);
  EXPECT_EQ(StrIniText(L"Item43"), L"Backward");
  const auto& matrix3 = f().bus.firmware(f().mouse).memory().matrix[2];
  // Button 4 sits in matrix slot 8: bytes 01 00 f3 00, the backward button.
  EXPECT_EQ(std::vector<uint8_t>(matrix3.begin() + 32, matrix3.begin() + 36),
            (std::vector<uint8_t>{0x01, 0x00, 0xF3, 0x00}));
}

TEST_F(KeyPageTest, ShiftGoesToBothSetsAndItsReplacementToo) {
  Choose(2, kKeyShift);
  EXPECT_EQ(Record().key_set_a.key_type[2], kKeyShift);
  EXPECT_EQ(Record().key_set_b.key_type[2], kKeyShift);
  EXPECT_EQ(BoxText(2), L"Shift");
  Choose(4, kKeyShift);  // a second one is refused silently
  EXPECT_EQ(Record().key_set_a.key_type[4], kKeyBackward);
  EXPECT_EQ(Control(kFirstFunctionListId + 4), kNoWindow);
  EXPECT_TRUE(f().windows.boxes.empty());
  Click(400, 525);  // Mode B
  EXPECT_EQ(BoxText(2), L"Shift");
  Choose(2, kKeyForward);
  EXPECT_EQ(Record().key_set_a.key_type[2], kKeyForward);
  EXPECT_EQ(Record().key_set_b.key_type[2], kKeyForward);
  EXPECT_EQ(Texts()[2], L"Forward");
  Click(300, 525);  // Mode A
  EXPECT_EQ(BoxText(2), L"Forward");
}

// Until the details are given, an entry that needs them changes nothing at all: a cancelled
// dialog must not leave a type whose parameters were never chosen.
TEST_F(KeyPageTest, EntriesThatNeedDetailsChangeNothingWhenNotCompleted) {
  const SettingsRecord before = Record();
  for (int entry = kKeyWindows; entry <= kKeyMacroKey; ++entry) {
    Choose(6, entry);
    EXPECT_EQ(Control(kFirstFunctionListId + 6), kNoWindow) << entry;
  }
  EXPECT_EQ(Record(), before);
  EXPECT_EQ(BoxText(6), L"Fire Key");
}

TEST_F(KeyPageTest, TheDpiSubListFollowsThePointerAndSetsTheDpiFunction) {
  ClickBox(9);
  const int list = kFirstFunctionListId + 9;
  MoveOver(list, 6);
  ASSERT_NE(Control(kDpiSubListId), kNoWindow);
  const Rect item = f().windows.ListItemRect(Control(list), 6);
  EXPECT_EQ(RectOf(kDpiSubListId),
            (Rect{463 + item.right, 100 + 23 * 3 + item.top, 463 + item.right + 60,
                  100 + 23 * 3 + item.top + 80}));
  EXPECT_EQ(Entries(kDpiSubListId),
            (std::vector<std::wstring>{L"DPI +", L"DPI -", L"DPI Loop", L"Shift DPI"}));
  EXPECT_EQ(f().windows.ListSelection(Control(list)), 6) << "the entry under the pointer";
  MoveOver(list, 2);
  EXPECT_EQ(Control(kDpiSubListId), kNoWindow);
  MoveOver(list, 6);
  Pick(list, 6);  // choosing "DPI Switch" itself waits for the sub-list
  ASSERT_NE(Control(list), kNoWindow);
  MoveOver(kDpiSubListId, 1);
  EXPECT_EQ(f().windows.ListSelection(Control(kDpiSubListId)), 1);
  Pick(kDpiSubListId, 1);
  EXPECT_EQ(Record().key_set_a.key_type[9], kKeyDpiSwitch);
  EXPECT_EQ(Record().key_param6_a[9], 2);
  EXPECT_EQ(BoxText(9), L"DPI -");
  EXPECT_EQ(Control(list), kNoWindow);
  EXPECT_EQ(Control(kDpiSubListId), kNoWindow);
}

TEST_F(KeyPageTest, AClickOutsideTheListAndItsBoxClosesItBeforeItsOwnAction) {
  ClickBox(3);
  Click(620, 209);  // the 250 cell
  EXPECT_EQ(Control(kFirstFunctionListId + 3), kNoWindow);
  EXPECT_EQ(Record().report_rate_code, 4);
  ClickBox(3);
  ClickBox(1);  // another box, above the list: its own list replaces it
  EXPECT_EQ(Control(kFirstFunctionListId + 3), kNoWindow);
  EXPECT_NE(Control(kFirstFunctionListId + 1), kNoWindow);
  Click(100, 300);  // empty: closes and drags
  EXPECT_EQ(Control(kFirstFunctionListId + 1), kNoWindow);
  EXPECT_EQ(f().windows.drags.size(), 1u);
  // A click on a child control never reaches the click handler; the pre-translated button-down
  // closes the lists it is not in, and the DPI sub-list counts as its function list's.
  ClickBox(4);
  const int list = kFirstFunctionListId + 4;
  MoveOver(list, 6);
  const auto press = [&](int id, Point at) {
    f().dialog->PreTranslateMessage(Message{Control(id), kMsgLButtonDown, 0, 0, at});
  };
  press(kDpiSubListId, OverEntry(kDpiSubListId, 3));
  press(list, OverEntry(list, 1));
  EXPECT_NE(Control(list), kNoWindow);
  EXPECT_NE(Control(kDpiSubListId), kNoWindow);
  press(71, {560, 530});
  EXPECT_EQ(Control(list), kNoWindow);
  EXPECT_EQ(Control(kDpiSubListId), kNoWindow);
}

TEST_F(KeyPageTest, TheKeySetButtonsShowTheChosenSet) {
  const uint32_t over = FakeImages::ColourOf(L"/button-over.png");
  const uint32_t normal = FakeImages::ColourOf(L"/button-normal.png");
  EXPECT_EQ(f().PresentedPixel(253, 518), over);
  EXPECT_EQ(f().PresentedPixel(460, 518), normal);
  Choose(1, kKeyMidClick);
  Click(400, 525);
  EXPECT_EQ(Record().current_key_set, 1);
  EXPECT_EQ(f().PresentedPixel(300, 518), normal);
  EXPECT_EQ(f().PresentedPixel(400, 518), over);
  EXPECT_EQ(BoxText(1), L"Right Click");
  // They take no part in hovering.
  f().windows.MoveTo(*f().dialog, 300, 525);
  EXPECT_EQ(f().windows.hover_requests, 0);
  Click(300, 525);
  EXPECT_EQ(BoxText(1), L"Mid Click");
}

// "Default" changes the setup like any other choice: the texts reach str.ini with the next Apply,
// and Cancel brings back the functions with their texts.
TEST_F(KeyPageTest, CancelAfterDefaultRestoresTheFunctionsAndTheirTexts) {
  Choose(1, kKeyOff);
  Click(700, 630);  // Apply
  Choose(2, kKeyForward);
  Click(350, 555);  // Default
  EXPECT_EQ(Record().key_set_a.key_type[1], kKeyRightClick);
  EXPECT_EQ(BoxText(1), L"Right Click");
  EXPECT_EQ(StrIniText(L"Item2"), L"Key Off") << "nothing is saved before Apply";
  Click(800, 630);  // Cancel
  EXPECT_EQ(Record().key_set_a.key_type[1], kKeyOff);
  EXPECT_EQ(Texts()[1], L"Key Off");
  EXPECT_EQ(Record().key_set_a.key_type[2], kKeyMidClick);
  f().Tray(kMsgLButtonUp);
  EXPECT_EQ(BoxText(1), L"Key Off");
  EXPECT_EQ(BoxText(2), L"Mid Click");
  Click(350, 555);  // Default
  Click(700, 630);  // Apply
  EXPECT_EQ(StrIniText(L"Item2"), L"Right Click");
  EXPECT_EQ(StrIniText(L"Item23"), L"Right Click");
}

TEST_F(KeyPageTest, AFunctionTypeOutsideTheListShowsKeyOff) {
  Record().key_set_a.key_type[6] = 0x42;
  Click(80, 70);
  Click(30, 70);
  EXPECT_EQ(BoxText(6), L"Key Off");
}

TEST_F(KeyPageTest, LeavingThePageRemovesEveryControlOfIt) {
  ClickBox(3);
  MoveOver(kFirstFunctionListId + 3, 6);
  Click(800, 367);  // the lighting parameter list
  Click(80, 70);
  for (const WindowHandle control : f().windows.Controls(f().dialog->window())) {
    const int id = f().windows.ControlId(control);
    EXPECT_TRUE(id >= advanced_layout::kNameEditId && id <= advanced_layout::kMouseEventListId)
        << "only the advanced page's own: " << id;
  }
  Click(30, 70);
  EXPECT_EQ(f().windows.Controls(f().dialog->window()).size(), 4u + 3u);
}

class ChineseKeyPageTest : public test::BasicPageTest {
  void SetUp() override { Open(0, L"CHS"); }
};

TEST_F(ChineseKeyPageTest, TheListAndTheTextsSpeakTheLanguage) {
  ClickBox(2);
  EXPECT_EQ(Entries(kFirstFunctionListId + 2)[12], L"组合键");
  EXPECT_EQ(f().windows.Get(Control(kFirstFunctionListId + 2)).spec.font, (FontSpec{L"黑体", 13, 400}));
  Pick(kFirstFunctionListId + 2, kKeyRgbOnOff);
  EXPECT_EQ(BoxText(2), L"RGB开关");
  ClickBox(0);
  ASSERT_EQ(f().windows.boxes.size(), 1u);
  EXPECT_EQ(f().windows.boxes[0].text, L"左键功能必须选择！");
  EXPECT_EQ(f().windows.boxes[0].caption, L"Warning");
}

}  // namespace
}  // namespace vx
