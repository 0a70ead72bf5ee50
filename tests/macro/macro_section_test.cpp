#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "device/key_codes.h"
#include "device/macro_slots.h"
#include "layout/advanced_page.h"
#include "settings/factory_settings.h"

namespace vx {
namespace {

using namespace advanced_layout;

constexpr wchar_t kRecordIniPath[] = L"C:\\Games\\Mouse\\record.ini";

// The main window on the advanced page, over the shipped config.bin and a virtual mouse.
class MacroSectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto config = FactoryConfigFile();
    f_.files.files[test::kConfigPath].assign(config.begin(), config.end());
    f_.AddMouse();
    f_.Start();
    f_.Tray(kMsgLButtonUp);
    Click(80, 70);
    ASSERT_EQ(f_.dialog->state().current_page, kAdvancedPage);
  }

  void Click(int x, int y) { f_.windows.Click(*f_.dialog, x, y); }
  void Press(const Rect& button) { Click(button.left + 5, button.top + 5); }
  WindowHandle Control(int id) { return f_.windows.ControlById(f_.dialog->window(), id); }
  std::vector<std::wstring> Entries(int id) { return f_.windows.Get(Control(id)).items; }
  void Type(int id, const std::wstring& text) {
    f_.windows.SetText(Control(id), text);
    f_.windows.Send(*f_.dialog, kMsgCommand, static_cast<uintptr_t>(id) | uintptr_t{kEditChanged} << 16,
                    Control(id));
  }
  void NewMacro(const std::wstring& name) {
    Type(kNameEditId, name);
    Press(kNew);
  }
  // A click on a line of a list of the page.
  void ClickLine(int id, int line) {
    const Rect item = f_.windows.ListItemRect(Control(id), line);
    const Rect rect = f_.windows.Get(Control(id)).spec.rect;
    Click(rect.left + 1 + 5, rect.top + 1 + (item.top + item.bottom) / 2);
  }
  // A key as the keyboard sends it: pressed (previous state up) or released.
  void Key(bool down, uintptr_t vk, uint8_t scan, const std::wstring& name, bool repeat = false) {
    intptr_t data = intptr_t{1} | intptr_t{scan} << 16;
    if (!down) data |= intptr_t{3} << 30;
    if (repeat) data |= intptr_t{1} << 30;
    f_.windows.Key(*f_.dialog, {down ? kMsgKeyDown : kMsgKeyUp, vk, data, name});
  }
  void PressAndRelease(uintptr_t vk, uint8_t scan, const std::wstring& name) {
    Key(true, vk, scan, name);
    Key(false, vk, scan, name);
  }
  std::vector<std::wstring> Shown() {
    std::vector<std::wstring> texts;
    for (const auto& box : f_.windows.boxes) texts.push_back(box.caption + L"|" + box.text);
    f_.windows.boxes.clear();
    return texts;
  }
  std::wstring Ini(const std::wstring& section, const std::wstring& key) {
    return f_.profile.GetString(kRecordIniPath, section, key, L"-", 64);
  }
  SettingsRecord& Record() { return f_.dialog->settings().current.record; }
  // Records A pressed and released into a new macro and confirms it.
  void RecordedMacro(const std::wstring& name) {
    NewMacro(name);
    Press(kStartRecording);
    PressAndRelease('A', 0x1E, L"A");
    Press(kStopRecording);
    Press(kConfirm);
    f_.windows.boxes.clear();
  }

  test::AppFixture f_;
};

TEST_F(MacroSectionTest, NewRefusesBlankRepeatedTooLongAndAThirteenthName) {
  NewMacro(L"");
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Vantorelliax GM|Macro name is blank"}));
  for (int i = 1; i <= 12; ++i) NewMacro(L"m" + std::to_wstring(i));
  EXPECT_EQ(Entries(kNameListId).size(), 12u);
  EXPECT_EQ(f_.windows.ListSelection(Control(kNameListId)), 11);
  NewMacro(L"m13");
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Warning|Macro numbers up to 12."}));
  Press(kDelete);
  NewMacro(L"m1");
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Vantorelliax GM|Macro name already exists"}));
  NewMacro(std::wstring(32, L'x'));
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{
                         L"Vantorelliax GM|A macro name can have at most 31 characters."}));
  NewMacro(std::wstring(31, L'x'));
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Ini(L"m1", L"ItemCount"), L"-") << "nothing is written before Confirm";
}

// record.ini's sections ignore case and the blanks around them: such a name would be the
// confirmed macro's own section, and its Confirm would write over that macro's events.
TEST_F(MacroSectionTest, NamesAreTrimmedAndCompareWithoutCase) {
  RecordedMacro(L"m1");
  for (const wchar_t* same : {L"M1", L" m1 ", L"\tM1"}) {
    NewMacro(same);
    EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Vantorelliax GM|Macro name already exists"}))
        << same;
  }
  NewMacro(L"   ");
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Vantorelliax GM|Macro name is blank"}));
  EXPECT_EQ(Entries(kNameListId), std::vector<std::wstring>{L"m1"});
  EXPECT_EQ(Ini(L"m1", L"ItemCount"), L"3") << "m1 keeps its events";

  NewMacro(L" sp ");
  EXPECT_EQ(Entries(kNameListId), (std::vector<std::wstring>{L"m1", L"sp"}));
  Press(kStartRecording);
  PressAndRelease('A', 0x1E, L"A");
  Press(kStopRecording);
  Press(kConfirm);
  EXPECT_EQ(Ini(L"sp", L"ItemCount"), L"3");
  EXPECT_NE(MacroOf(Record(), 2)[2], 0) << "the second slot holds sp's events";
}

TEST_F(MacroSectionTest, RecordingTakesTheKeysAndKeepsThemFromThePage) {
  Press(kStartRecording);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Warning|Macro name is blank"}));
  NewMacro(L"m1");
  Press(kStartRecording);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Vantorelliax GM|Start Recording"}));
  EXPECT_TRUE(f_.windows.HasKeyboardHook());
  Key(true, 'A', 0x1E, L"A");
  Key(true, 'A', 0x1E, L"A", true);  // auto-repeat
  Key(false, 'A', 0x1E, L"A");
  // Wine names Ctrl "Control": it is recorded under the name the mouse plays.
  PressAndRelease(0x11, 0x1D, L"Control");
  EXPECT_EQ(Entries(kEventListId),
            (std::vector<std::wstring>{L"A   Dn", L"50 ms", L"A   Up", L"50 ms", L"Ctrl   Dn",
                                       L"50 ms", L"Ctrl   Up"}));
  EXPECT_TRUE(f_.dialog->PreTranslateMessage({Control(kNameEditId), kMsgKeyDown, 'B', 0, {}}))
      << "a recorded key does not act on the page";
  // A key the mouse cannot play is left out, and the user hears of it once.
  PressAndRelease(0x13, 0x00, L"Pause?");
  PressAndRelease(0x13, 0x00, L"Pause?");
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{
                         L"Vantorelliax GM|The mouse cannot play this key, so it is not recorded."}));
  EXPECT_EQ(Entries(kEventListId).size(), 7u);
  Press(kStopRecording);
  EXPECT_FALSE(f_.windows.HasKeyboardHook());
  PressAndRelease('B', 0x30, L"B");
  EXPECT_EQ(Entries(kEventListId).size(), 7u);
  Press(kStopRecording);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"Vantorelliax GM|Stop Recording",
                                                L"Vantorelliax GM|Stop Recording"}));
}

TEST_F(MacroSectionTest, StopWithoutAStartSaysSo) {
  Press(kStopRecording);
  EXPECT_EQ(Shown(),
            (std::vector<std::wstring>{
                L"Vantorelliax GM|Stop Recording",
                L"Warning|It doesn’t start recording, unnecessary to press Stop key!"}));
}

TEST_F(MacroSectionTest, LeavingThePageEndsTheRecording) {
  NewMacro(L"m1");
  Press(kStartRecording);
  Click(30, 70);
  EXPECT_FALSE(f_.windows.HasKeyboardHook());
}

TEST_F(MacroSectionTest, ConfirmWritesTheMacroAndCompilesItIntoItsSlot) {
  RecordedMacro(L"m1");
  EXPECT_EQ(Ini(L"m1", L"ItemCount"), L"3");
  EXPECT_EQ(Ini(L"m1", L"Item2"), L"A   Up");
  const auto slot = MacroOf(Record(), 1);
  EXPECT_EQ(std::vector<uint8_t>(slot.begin(), slot.begin() + 7),
            (std::vector<uint8_t>{0x00, 0x01, 0x05, 0x04, 0x80, 0x04, 0x00}));
  Type(kLoopEditId, L"300");
  EXPECT_EQ(RepeatCount(MacroOf(Record(), 1)), 300);
  Type(kLoopEditId, L"70000");
  EXPECT_EQ(f_.windows.GetText(Control(kLoopEditId)), L"1");
  EXPECT_EQ(RepeatCount(MacroOf(Record(), 1)), 1);
}

TEST_F(MacroSectionTest, AMacroTooLongForItsSlotIsRefusedWithItsSize) {
  NewMacro(L"long");
  for (int i = 0; i < 32; ++i) {
    // The last line selected, as the user scrolls to it and clicks it.
    f_.windows.ListSetSelection(Control(kEventListId),
                                static_cast<int>(Entries(kEventListId).size()) - 1);
    Click(800, 409);                  // the mouse-event box
    ClickLine(kMouseEventListId, 0);  // "L-Button Click": two events
  }
  EXPECT_EQ(Entries(kEventListId).size(), 128u);
  Press(kConfirm);
  EXPECT_EQ(Shown(), (std::vector<std::wstring>{
                         L"Vantorelliax GM|This macro needs 128 bytes, but a macro holds 126. "
                         L"Remove some events and confirm again."}));
  EXPECT_EQ(Ini(L"long", L"ItemCount"), L"-");
}

TEST_F(MacroSectionTest, MouseEventsAndDelaysAreEditedInTheList) {
  NewMacro(L"m2");
  Click(800, 409);
  ASSERT_NE(Control(kMouseEventListId), kNoWindow);
  EXPECT_EQ(f_.windows.Get(Control(kMouseEventListId)).spec.rect, kMouseEventList);
  EXPECT_EQ(Entries(kMouseEventListId).size(), 9u);
  ClickLine(kMouseEventListId, 0);
  EXPECT_EQ(Entries(kEventListId), (std::vector<std::wstring>{L"L-Button   Dn", L"50 ms",
                                                              L"L-Button   Up", L"50 ms"}));
  EXPECT_EQ(Control(kMouseEventListId), kNoWindow);
  f_.windows.modal_scripts.push_back([&](Dialog& d) {
    const WindowHandle box = f_.windows.ControlById(d.window(), 600);
    f_.windows.SetText(box, L"1300");
    f_.windows.Send(d, kMsgCommand, 600 | uintptr_t{kEditChanged} << 16, box);
    f_.windows.KeyDown(d, kKeyReturn);
  });
  const Rect line = f_.windows.ListItemRect(Control(kEventListId), 1);
  f_.windows.DoubleClick(*f_.dialog, kEventList.left + 6, kEventList.top + 1 + line.top + 5);
  EXPECT_EQ(Entries(kEventListId)[1], L"1300 ms");
  // The context menu's "Delete" removes the selected line.
  ClickLine(kEventListId, 3);
  f_.windows.Send(*f_.dialog, Message{Control(kEventListId), kMsgRButtonDown, 0, 0, {}});
  ASSERT_EQ(f_.windows.menus.size(), 1u);
  EXPECT_EQ(f_.windows.menus[0].items[0].command, 32772);
  EXPECT_EQ(f_.windows.menus[0].items[0].text, L"Delete");
  f_.windows.Send(*f_.dialog, kMsgCommand, 32772, 0);
  EXPECT_EQ(Entries(kEventListId).size(), 3u);
}

// Confirm rewrites a macro in its place: a macro behind it keeps its slot and its buttons.
TEST_F(MacroSectionTest, ConfirmingAgainKeepsEveryMacroInItsSlot) {
  RecordedMacro(L"m1");
  RecordedMacro(L"m2");
  ClickLine(kNameListId, 0);
  EXPECT_EQ(Entries(kEventListId).size(), 3u);
  Click(800, 409);
  ClickLine(kMouseEventListId, 3);
  Press(kConfirm);
  EXPECT_EQ(Entries(kNameListId), (std::vector<std::wstring>{L"m1", L"m2"}));
  EXPECT_EQ(f_.profile.SectionNames(kRecordIniPath, 64), std::wstring(L"m1\0m2\0\0", 7));
  EXPECT_EQ(MacroOf(Record(), 2)[2], 0x05) << "m2 still plays from slot 2";
}

TEST_F(MacroSectionTest, DeletingAMacroMovesTheOnesBehindItWithTheirButtons) {
  RecordedMacro(L"m1");
  RecordedMacro(L"m2");
  RecordedMacro(L"m3");
  SetRepeatCount(MacroOf(Record(), 3), 7);
  KeySet& keys = Record().key_set_b;
  keys.key_type[2] = kKeyMacroKey;
  keys.macro_index[2] = 2;  // m3
  keys.key_type[4] = kKeyMacroKey;
  keys.macro_index[4] = 1;  // m2
  ClickLine(kNameListId, 1);
  Press(kDelete);
  EXPECT_EQ(Entries(kNameListId), (std::vector<std::wstring>{L"m1", L"m3"}));
  EXPECT_EQ(f_.windows.GetText(Control(kNameEditId)), L"");
  EXPECT_TRUE(Entries(kEventListId).empty());
  EXPECT_EQ(Ini(L"m2", L"ItemCount"), L"-");
  EXPECT_EQ(keys.macro_index[2], 1);
  EXPECT_EQ(keys.key_type[4], kKeyOff);
  EXPECT_EQ(f_.dialog->settings().key_texts()[12 + 4], L"Key Off");
  EXPECT_EQ(RepeatCount(MacroOf(Record(), 2)), 7);
  EXPECT_EQ(MacroOf(Record(), 3)[2], 0) << "no deleted macro stays playable";
}

// Confirm and Delete change record.ini at once, so Cancel must not bring back slots or bindings
// that disagree with it: the next Apply would send an empty macro, or play the wrong one.
TEST_F(MacroSectionTest, CancelKeepsTheSlotsAndBindingsWithTheMacrosRecordIniHolds) {
  RecordedMacro(L"m1");
  Click(800, 630);  // Cancel
  EXPECT_EQ(f_.dialog->settings().current.macros.size(), 1u);
  EXPECT_EQ(MacroOf(Record(), 1)[2], 0x05) << "m1's slot keeps its events";
  f_.Tray(kMsgLButtonUp);
  Click(700, 630);  // Apply
  EXPECT_EQ(f_.bus.firmware(f_.mouse).memory().macro[0][2], 0x05);

  RecordedMacro(L"m2");
  Record().key_set_b.key_type[4] = kKeyMacroKey;
  Record().key_set_b.macro_index[4] = 1;  // m2
  Click(700, 630);                        // Apply
  f_.Tray(kMsgLButtonUp);
  Click(80, 70);
  ClickLine(kNameListId, 0);
  Press(kDelete);  // m1: m2 moves up to slot 1, with its button
  Click(800, 630);  // Cancel
  EXPECT_EQ(Record().key_set_b.macro_index[4], 0) << "the button still plays m2";
  EXPECT_NE(MacroOf(Record(), 1)[2], 0);
  EXPECT_EQ(MacroOf(Record(), 2)[2], 0) << "no slot behind the last macro";
  f_.Tray(kMsgLButtonUp);
  Click(80, 70);
  EXPECT_EQ(Entries(kNameListId), std::vector<std::wstring>{L"m2"});
}

// A record.ini that cannot be written is told at once, and nothing acts as if it had been.
TEST_F(MacroSectionTest, ARecordIniThatCannotBeWrittenIsToldAndChangesNothing) {
  RecordedMacro(L"m1");
  Record().key_set_a.key_type[3] = kKeyMacroKey;
  Record().key_set_a.macro_index[3] = 0;
  f_.files.create_error = 13;  // a read-only folder
  const std::wstring box =
      L"NULL ==fp |Error Code is: 13 \n" + std::wstring(kRecordIniPath) + L" was not saved.\n";

  RecordedMacro(L"m2");
  EXPECT_EQ(Ini(L"m2", L"ItemCount"), L"-");
  EXPECT_EQ(MacroOf(Record(), 2)[2], 0) << "nothing compiled from a macro not saved";
  Press(kConfirm);
  EXPECT_EQ(Shown(), std::vector<std::wstring>{box}) << "told once per save";
  EXPECT_EQ(Entries(kEventListId).size(), 3u) << "the items stay to confirm again";

  ClickLine(kNameListId, 0);
  Press(kDelete);
  EXPECT_EQ(Shown(), std::vector<std::wstring>{box});
  EXPECT_EQ(Entries(kNameListId), (std::vector<std::wstring>{L"m1", L"m2"}));
  EXPECT_EQ(Ini(L"m1", L"ItemCount"), L"3");
  EXPECT_EQ(Record().key_set_a.key_type[3], kKeyMacroKey) << "the button keeps its macro";
  EXPECT_EQ(MacroOf(Record(), 1)[2], 0x05);

  f_.files.create_error = 0;
  ClickLine(kNameListId, 1);
  Press(kConfirm);
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Ini(L"m2", L"ItemCount"), L"0");
}

TEST_F(MacroSectionTest, SelectingAMacroShowsItsItemsAndRepeatCount) {
  RecordedMacro(L"m1");
  Type(kLoopEditId, L"42");
  NewMacro(L"m2");
  ClickLine(kNameListId, 0);
  EXPECT_EQ(f_.windows.GetText(Control(kNameEditId)), L"m1");
  EXPECT_EQ(Entries(kEventListId), (std::vector<std::wstring>{L"A   Dn", L"50 ms", L"A   Up"}));
  EXPECT_EQ(f_.windows.GetText(Control(kLoopEditId)), L"42");
}

}  // namespace
}  // namespace vx
