#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "ui/window_drivers.h"

// The steps of the window behaviour table: what a case does to a window system and what it then
// expects, the same against every backend.

namespace vx::test {

constexpr int kDialog = 0;  // as a control id: the dialog itself
constexpr int kNone = -1;   // as a focus or a control: no window

// The dialogs a case uses: the one that is open from the start, a main window that owns modal
// dialogs, and two dialogs for modal loops, the second nested in the first.
enum CaseDialog : int { kCaseDialog = 0, kMain, kFirst, kSecond, kDialogCount };

struct Step {
  enum class Kind {
    kCreate,
    kItems,
    kInsert,
    kDelete,
    kSelect,
    kSetTop,
    kFocus,
    kEnable,
    kDestroy,
    kDestroyWhenNotified,
    kClick,
    kDoubleClick,
    kWheel,
    kKey,
    kTap,
    kPress,
    kHook,
    kUnhook,
    kOnInit,
    kOpenMain,
    kResize,
    kPost,
    kModal,
    kEnd,
    kEvents,
    kFocusIs,
    kSelectionIs,
    kTopIs,
    kClientIs,
    kItemRectIs,
    kItemAtIs,
    kTargetIs,
    kGone,
    kItemsAreFontCells,
    kEnabledIs,
    kInnermostIs,
    kAtOwnersOrigin,
    kStartTimer,
    kStopTimer,
    kAwaitTimer,
    kPass
  };
  Kind kind = Kind::kEvents;
  int dialog = kCaseDialog;
  int owner = kCaseDialog;  // of a modal loop
  int id = kDialog;
  int value = 0;
  uint32_t ms = 0;
  Point point;
  Rect rect;
  std::optional<int> item;
  ControlSpec spec;
  KeyStroke key;
  std::vector<std::string> events;
  std::vector<Step> script;  // of a modal loop
};

using K = Step::Kind;

inline const FontSpec kArial14{L"Arial", 14, 400};
constexpr uint32_t kBorder = kStyleVisible | kStyleBorder;
constexpr uint32_t kScrolled = kBorder | kStyleVScroll;
constexpr uint32_t kNotified = kBorder | kStyleNotify;

Step Of(K kind, int id = kDialog, int value = 0);
Step Create(ControlKind kind, int id, Rect rect, uint32_t style, std::optional<FontSpec> font);
Step List(int id, Rect rect, uint32_t style = kNotified, std::optional<FontSpec> font = kArial14);
Step Edit(int id, Rect rect);
Step Static(int id, Rect rect);
Step Hidden(Step create);
Step Items(int id, int count);
Step Insert(int id, int index);
Step Delete(int id, int index);
Step Select(int id, int index);
Step SetTop(int id, int index);
Step Focus(int id);
Step Enable(int id, bool enable);
Step Destroy(int id);
Step DestroyWhenNotified();
Step Click(Point at);
Step DoubleClick(Point at);
Step Wheel(Point at, int delta);
Step Key(uint32_t key);
Step Tap(Point at);
Step Press(const KeyStroke& key);
// Installs the keyboard hook; it records what it sees in the dialog's events.
Step Hook();
Step Unhook();
// A control the dialog creates in its init handler, the next time it is created.
Step OnInit(Step create);
// The main window, 300 x 200, centred on the screen.
Step OpenMain();
Step Resize(int width, int height);
// A message posted to the dialog, which it records when it pre-translates and handles it.
Step Post();
// Runs the dialog's DoModal, owned by another dialog, with the script inside its loop, and
// expects its result.
Step Modal(int dialog, int owner, std::vector<Step> script, int result);
Step End(int result);
Step Events(std::vector<std::string> events);
Step FocusIs(int id);
Step SelectionIs(int id, int index);
Step TopIs(int id, int index);
Step ClientIs(int id, Rect rect);
Step ItemRectIs(int id, int index, Rect rect);
Step ItemAtIs(int id, Point at, std::optional<int> item);
Step TargetIs(Point at, int id);
Step Gone(int id);
Step ItemsAreFontCells(int id);
Step EnabledIs(bool enabled);
// The window of the innermost running modal loop is this dialog's; kNone: no loop runs.
Step InnermostIs(int dialog);
Step AtOwnersOrigin(int owner);
// The dialog's timer with the id; its message is recorded when pre-translated and handled.
Step StartTimer(int id, uint32_t ms);
Step StopTimer(int id);
// Messages handled until a timer's has been, within ms; fails when none came.
Step AwaitTimer(uint32_t ms);
// Messages handled for ms.
Step Pass(uint32_t ms);
// The step for another dialog than the case's own.
Step In(int dialog, Step step);

struct BehaviourCase {
  const char* name;
  std::vector<Step> steps;
};

inline void PrintTo(const BehaviourCase& behaviour, std::ostream* out) {
  *out << behaviour.name;
}

struct Backend {
  const char* name;
  std::unique_ptr<WindowDriver> (*make)();
};

inline void PrintTo(const Backend& backend, std::ostream* out) {
  *out << backend.name;
}

inline const Backend kBackends[] = {
    {"Headless", MakeHeadlessDriver},
#ifdef _WIN32
    {"Win32", MakeWin32Driver},
#endif
};

class WindowSystemBehaviour : public testing::TestWithParam<std::tuple<BehaviourCase, Backend>> {
 public:
  static std::string Name(const testing::TestParamInfo<ParamType>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
  }
};

}  // namespace vx::test
