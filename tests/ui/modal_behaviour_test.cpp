#include "ui/behaviour_steps.h"

// The behaviour table's cases of modal loops, focus and keys from the keyboard, against every
// backend: the program's small dialogs rely on them.

namespace vx::test {
namespace {

constexpr Rect kList{10, 10, 110, 110};
constexpr Rect kEditBox{150, 10, 250, 30};
constexpr Rect kLabel{150, 40, 250, 60};

// The names are the system's for a US keyboard, as Windows and Wine's null driver give them.
const KeyStroke kEnter{kKeyReturn, 0x1C, false, L"Enter"};
const KeyStroke kEsc{kKeyEscape, 0x01, false, L"Esc"};
const KeyStroke kLetterA{'A', 0x1E, false, L"A"};
const KeyStroke kRightCtrl{0x11, 0x1D, true, L"Right Ctrl"};

const std::vector<BehaviourCase> kCases = {
    // Without the child-dialog style the dialog manager sends them to the dialog, not its owner.
    {"EnterAndEscapeReachAnOwnedDialogWithAListOrAnEditFocused",
     {OpenMain(),
      Modal(kFirst, kMain,
            {In(kFirst, List(41, kList)), In(kFirst, Edit(42, kEditBox)), In(kFirst, Focus(41)),
             In(kFirst, Events({"command 41:4"})), In(kFirst, Press(kEnter)),
             In(kFirst, Events({"pre key 41 13", "command 1:0", "pre keyup 41 13"})),
             In(kFirst, Focus(42)), In(kFirst, Press(kEsc)),
             In(kFirst, Events({"command 41:5", "command 42:256", "pre key 42 27", "command 2:0",
                                "pre keyup 42 27"})),
             In(kFirst, End(kIdOk))},
            kIdOk),
      In(kFirst, Events({"command 42:512", "destroy"})), In(kMain, Events({}))}},
    {"AnOwnedDialogOpensAtItsOwnersClientOriginAndStaysWhenResized",
     {OpenMain(),
      Modal(kFirst, kMain,
            {In(kFirst, AtOwnersOrigin(kMain)), In(kFirst, Resize(120, 80)),
             In(kFirst, ClientIs(kDialog, {0, 0, 120, 80})), In(kFirst, AtOwnersOrigin(kMain)), In(kFirst, End(kIdOk))},
            kIdOk),
      In(kFirst, Events({"destroy"}))}},
    // The second dialog has a thin border: the skin image still fills its client area.
    {"ABorderedDialogIsResizedToTheClientAreaAskedFor",
     {OpenMain(),
      Modal(kSecond, kMain,
            {In(kSecond, Resize(120, 80)), In(kSecond, ClientIs(kDialog, {0, 0, 120, 80})),
             In(kSecond, End(kIdOk))},
            kIdOk),
      In(kSecond, Events({"destroy"}))}},
    {"ModalLoopsDisableTheirOwnerAndGiveBackItsEarlierState",
     {OpenMain(), In(kMain, EnabledIs(true)), InnermostIs(kNone),
      Modal(kFirst, kMain,
            {In(kMain, EnabledIs(false)), InnermostIs(kFirst),
             Modal(kSecond, kMain,
                   {In(kMain, EnabledIs(false)), InnermostIs(kSecond), In(kSecond, End(7))}, 7),
             In(kMain, EnabledIs(false)), InnermostIs(kFirst),
             Modal(kSecond, kFirst,
                   {In(kFirst, EnabledIs(false)), InnermostIs(kSecond), In(kSecond, End(8))}, 8),
             In(kFirst, EnabledIs(true)), In(kMain, EnabledIs(false)), InnermostIs(kFirst),
             In(kFirst, End(5))},
            5),
      In(kMain, EnabledIs(true)), InnermostIs(kNone), In(kSecond, Events({"destroy", "destroy"})),
      In(kFirst, Events({"destroy"}))}},
    {"AnOwnerDisabledBeforeTheLoopStaysDisabled",
     {OpenMain(), In(kMain, Enable(kDialog, false)),
      Modal(kFirst, kMain, {In(kMain, EnabledIs(false)), In(kFirst, End(kIdOk))}, kIdOk),
      In(kMain, EnabledIs(false)), In(kFirst, Events({"destroy"}))}},
    {"DestroyingAModalDialogsWindowEndsItsLoop",
     {OpenMain(), Modal(kFirst, kMain, {In(kFirst, Destroy(kDialog))}, kIdCancel),
      In(kMain, EnabledIs(true)), InnermostIs(kNone), In(kFirst, Events({"destroy"})),
      Modal(kFirst, kMain, {In(kFirst, End(9)), In(kFirst, Destroy(kDialog))}, 9),
      In(kFirst, Events({"destroy"})),
      Modal(kFirst, kMain,
            {Modal(kSecond, kMain,
                   {In(kFirst, Destroy(kDialog)), InnermostIs(kSecond), In(kSecond, End(3))}, 3)},
            kIdCancel),
      In(kMain, EnabledIs(true)), InnermostIs(kNone), In(kFirst, Events({"destroy"})),
      In(kSecond, Events({"destroy"}))}},
    {"OnlyTheInnermostLoopPreTranslatesAndOnlyItsOwnDialogsMessages",
     {Post(), Events({"pre post", "post"}), OpenMain(),
      Modal(kFirst, kMain,
            {In(kFirst, Post()), In(kFirst, Events({"pre post", "post"})),
             Modal(kSecond, kFirst,
                   {In(kFirst, Post()), In(kSecond, Post()), In(kMain, Post()),
                    In(kFirst, Events({"post"})), In(kSecond, Events({"pre post", "post"})),
                    In(kMain, Events({"post"})), In(kSecond, End(kIdOk))},
                   kIdOk),
             In(kFirst, End(kIdOk))},
            kIdOk),
      In(kFirst, Events({"destroy"})), In(kSecond, Events({"destroy"}))}},
    // Far enough apart that the system does not make a double click of the two taps.
    {"ADisabledOwnerGetsNoInput",
     {OpenMain(),
      Modal(kFirst, kMain,
            {In(kFirst, Resize(120, 80)), In(kMain, Tap({250, 150})), In(kMain, Events({})),
             In(kFirst, Events({})), In(kFirst, End(kIdOk))},
            kIdOk),
      In(kFirst, Events({"destroy"})), In(kMain, Tap({200, 120})),
      In(kMain, Events({"pre down dialog 200,120 @200,120", "down 200,120",
                        "pre up dialog 200,120 @200,120"}))}},
    {"TheKeyboardHookSeesEachKeyBeforeItsWindowUntilRemoved",
     {List(41, kList), Focus(41), Events({"command 41:4"}), Hook(), Press(kEnter),
      Events({"hook down Enter 1c", "pre key 41 13", "command 1:0", "hook up Enter 1c",
              "pre keyup 41 13"}),
      Press(kRightCtrl),
      Events({"hook down Right Ctrl 1d ext", "pre key 41 17", "hook up Right Ctrl 1d ext",
              "pre keyup 41 17"}),
      Unhook(), Press(kLetterA), Events({"pre key 41 65", "pre keyup 41 65"})}},
    // The dialog manager turns only plain key-downs into commands: Enter does not end the dialog.
    {"WithoutFocusKeysComeAsSystemKeysToTheActiveDialog",
     {Edit(42, kEditBox), Focus(42), Enable(42, false),
      Events({"command 42:256", "command 42:512"}), FocusIs(kNone), Hook(), Press(kEnter),
      Events({"hook down Enter 1c", "pre syskey dialog 13", "hook up Enter 1c",
              "pre syskeyup dialog 13"}),
      Press(kLetterA),
      Events(
          {"hook down A 1e", "pre syskey dialog 65", "hook up A 1e", "pre syskeyup dialog 65"})}},
    {"ADialogWhoseInitAnswersTrueGetsTheFocusOnItsTopmostControl",
     {OpenMain(), In(kFirst, OnInit(List(41, kList))), In(kFirst, OnInit(Edit(42, kEditBox))),
      Modal(kFirst, kMain, {In(kFirst, FocusIs(42)), In(kFirst, End(kIdOk))}, kIdOk),
      In(kFirst, Events({"command 42:256", "command 42:512", "destroy"}))}},
    // Wine's dialog procedure hands the focus on at once, even to the control that just lost it;
    // so a dialog that sets the focus to itself before it disables or destroys the focused
    // control is left without focus all the same.
    {"SetFocusOnADialogHandsTheFocusToItsTopmostControl",
     {List(41, kList),
      Edit(42, kEditBox),
      Focus(41),
      Focus(kDialog),
      Events({"command 41:4", "command 41:5", "command 42:256"}),
      FocusIs(42),
      Enable(42, false),
      Focus(kDialog),
      Events({"command 42:512", "command 41:4"}),
      FocusIs(41),
      Focus(kDialog),
      Events({"command 41:5", "command 41:4"}),
      FocusIs(41),
      Destroy(41),
      Events({"command 41:5"}),
      FocusIs(kNone),
      Focus(kDialog),
      FocusIs(kDialog),
      Focus(kNone),
      Static(43, kLabel),
      Hidden(List(44, kList)),
      Focus(kDialog),
      FocusIs(43)}},
};

INSTANTIATE_TEST_SUITE_P(ModalLoops, WindowSystemBehaviour,
                         testing::Combine(testing::ValuesIn(kCases), testing::ValuesIn(kBackends)),
                         WindowSystemBehaviour::Name);

}  // namespace
}  // namespace vx::test
