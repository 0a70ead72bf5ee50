#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "support/geometry_print.h"
#include "ui/window_drivers.h"

// One table of the window behaviour the program's pages rely on, run against the headless window
// system everywhere and, in the Windows build, against real windows too, so the Wine run shows
// that both agree.

namespace vx {
namespace {

using test::WindowDriver;

constexpr int kDialog = 0;  // as a control id: the dialog itself
constexpr int kNone = -1;   // as a focus: no window

std::string At(Point p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

// Records what the dialog is told, in order: the input it pre-translates (with the target, the
// point the message carries and the cursor, both relative to the dialog) and its handlers.
class RecordingDialog : public Dialog {
 public:
  explicit RecordingDialog(WindowSystem& windows) : Dialog(windows, DialogTemplate{}) {}

  bool PreTranslateMessage(const Message& m) override {
    static const std::map<uint32_t, std::string> kInput = {{kMsgLButtonDown, "down"},
                                                           {kMsgLButtonUp, "up"},
                                                           {kMsgLButtonDoubleClick, "dblclk"},
                                                           {kMsgMouseWheel, "wheel"},
                                                           {kMsgKeyDown, "key"}};
    const auto input = kInput.find(m.id);
    if (input == kInput.end()) return false;
    const std::string target =
        m.window == window() ? "dialog" : std::to_string(windows().ControlId(m.window));
    if (m.id == kMsgKeyDown) {
      events.push_back("pre key " + target + " " + std::to_string(m.wparam));
      return false;
    }
    const Point point = PointFromLparam(m.lparam);
    events.push_back("pre " + input->second + " " + target + " " +
                     At(m.id == kMsgMouseWheel ? Local(point) : point) + " @" +
                     At(Local(m.cursor)));
    return false;
  }
  bool OnLButtonDown(Point p) override {
    events.push_back("down " + At(p));
    return true;
  }
  bool OnMouseWheel(int delta, Point screen) override {
    events.push_back("wheel " + std::to_string(delta) + " " + At(Local(screen)));
    return true;
  }
  bool OnCommand(int id, int code) override {
    events.push_back("command " + std::to_string(id) + ":" + std::to_string(code));
    return true;
  }
  bool OnListNotification(int id, int code, WindowHandle list) override {
    events.push_back("list " + std::to_string(id) + ":" + std::to_string(code));
    if (on_list_notification) on_list_notification(list);
    return true;
  }
  void OnDestroy() override { events.push_back("destroy"); }

  std::vector<std::string> events;
  std::function<void(WindowHandle)> on_list_notification;

 private:
  Point Local(Point screen) { return windows().ScreenToClient(window(), screen); }
};

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
    kEvents,
    kFocusIs,
    kSelectionIs,
    kTopIs,
    kClientIs,
    kItemRectIs,
    kItemAtIs,
    kTargetIs,
    kGone,
    kItemsAreFontCells
  };
  Kind kind = Kind::kEvents;
  int id = kDialog;
  int value = 0;
  Point point;
  Rect rect;
  std::optional<int> item;
  ControlSpec spec;
  std::vector<std::string> events;
};

using K = Step::Kind;

const FontSpec kArial14{L"Arial", 14, 400};
constexpr uint32_t kBorder = kStyleVisible | kStyleBorder;
constexpr uint32_t kScrolled = kBorder | kStyleVScroll;
constexpr uint32_t kNotified = kBorder | kStyleNotify;

Step Of(K kind, int id = kDialog, int value = 0) {
  Step step;
  step.kind = kind;
  step.id = id;
  step.value = value;
  return step;
}
Step Create(ControlKind kind, int id, Rect rect, uint32_t style, std::optional<FontSpec> font) {
  Step step = Of(K::kCreate);
  step.spec = {kind, id, rect, style, L"text", font};
  return step;
}
Step List(int id, Rect rect, uint32_t style = kNotified, std::optional<FontSpec> font = kArial14) {
  return Create(ControlKind::kListBox, id, rect, style, font);
}
Step Edit(int id, Rect rect) {
  return Create(ControlKind::kEdit, id, rect, kBorder, kArial14);
}
Step Static(int id, Rect rect) {
  return Create(ControlKind::kStatic, id, rect, kStyleVisible, std::nullopt);
}
Step Hidden(Step create) {
  create.spec.style &= ~kStyleVisible;
  return create;
}
Step Items(int id, int count) {
  return Of(K::kItems, id, count);
}
Step Insert(int id, int index) {
  return Of(K::kInsert, id, index);
}
Step Delete(int id, int index) {
  return Of(K::kDelete, id, index);
}
Step Select(int id, int index) {
  return Of(K::kSelect, id, index);
}
Step SetTop(int id, int index) {
  return Of(K::kSetTop, id, index);
}
Step Focus(int id) {
  return Of(K::kFocus, id);
}
Step Enable(int id, bool enable) {
  return Of(K::kEnable, id, enable);
}
Step Destroy(int id) {
  return Of(K::kDestroy, id);
}
Step DestroyWhenNotified() {
  return Of(K::kDestroyWhenNotified);
}
Step AtPoint(K kind, Point at, int id = kDialog, int value = 0) {
  Step step = Of(kind, id, value);
  step.point = at;
  return step;
}
Step Click(Point at) {
  return AtPoint(K::kClick, at);
}
Step DoubleClick(Point at) {
  return AtPoint(K::kDoubleClick, at);
}
Step Wheel(Point at, int delta) {
  return AtPoint(K::kWheel, at, kDialog, delta);
}
Step Key(uint32_t key) {
  return Of(K::kKey, kDialog, static_cast<int>(key));
}
Step Events(std::vector<std::string> events) {
  Step step = Of(K::kEvents);
  step.events = std::move(events);
  return step;
}
Step FocusIs(int id) {
  return Of(K::kFocusIs, id);
}
Step SelectionIs(int id, int index) {
  return Of(K::kSelectionIs, id, index);
}
Step TopIs(int id, int index) {
  return Of(K::kTopIs, id, index);
}
Step ClientIs(int id, Rect rect) {
  Step step = Of(K::kClientIs, id);
  step.rect = rect;
  return step;
}
Step ItemRectIs(int id, int index, Rect rect) {
  Step step = Of(K::kItemRectIs, id, index);
  step.rect = rect;
  return step;
}
Step ItemAtIs(int id, Point at, std::optional<int> item) {
  Step step = AtPoint(K::kItemAtIs, at, id);
  step.item = item;
  return step;
}
Step TargetIs(Point at, int id) {
  return AtPoint(K::kTargetIs, at, id);
}
Step Gone(int id) {
  return Of(K::kGone, id);
}
Step ItemsAreFontCells(int id) {
  return Of(K::kItemsAreFontCells, id);
}

struct BehaviourCase {
  const char* name;
  std::vector<Step> steps;
};

void PrintTo(const BehaviourCase& behaviour, std::ostream* out) {
  *out << behaviour.name;
}

// A list of 100 x 100 at (10, 10): with its border, 7 rows of 14 pixels. One of 100 x 50: 3 whole
// rows and part of a fourth. Its client point (x, y) lies at (x + 11, y + 11) in the dialog.
constexpr Rect kSquare{10, 10, 110, 110};
constexpr Rect kShort{10, 10, 110, 60};
constexpr Rect kEditRect{150, 10, 250, 30};  // Wine's edit box draws its border in its client area

const std::vector<BehaviourCase> kCases = {
    {"ItemsAreAsHighAsTheListFont",
     {List(41, kSquare), Items(41, 3), ItemRectIs(41, 0, {0, 0, 98, 14}),
      ItemRectIs(41, 2, {0, 28, 98, 42}), ClientIs(41, {0, 0, 98, 98}), ItemRectIs(41, 3, {}),
      ItemsAreFontCells(41)}},
    {"WithoutAFontItemsTakeTheSystemFont",
     {List(41, kSquare, kBorder, std::nullopt), Items(41, 2), ItemRectIs(41, 1, {0, 16, 98, 32}),
      ItemsAreFontCells(41)}},
    // The test prefix has no CJK face; Wine's stand-in makes cells a pixel higher than asked.
    {"ACjkFaceSizesItemsByItsCell",
     {List(41, kSquare, kBorder, FontSpec{L"黑体", 13, 400}), Items(41, 2), ItemsAreFontCells(41)}},
    {"AScrollBarTakesItsWidthOnlyWhileItemsOverflow",
     {List(41, kShort, kScrolled), Items(41, 3), ClientIs(41, {0, 0, 98, 48}),
      ItemRectIs(41, 0, {0, 0, 98, 14}), Items(41, 1), ClientIs(41, {0, 0, 81, 48}),
      ItemRectIs(41, 0, {0, 0, 81, 14}), ItemAtIs(41, {85, 5}, std::nullopt), Delete(41, 3),
      ClientIs(41, {0, 0, 98, 48})}},
    {"APointBelowTheLastItemHitsNoItem",
     {List(41, kSquare), ItemAtIs(41, {5, 0}, std::nullopt), Items(41, 2), ItemAtIs(41, {5, 0}, 0),
      ItemAtIs(41, {5, 13}, 0), ItemAtIs(41, {5, 14}, 1), ItemAtIs(41, {5, 27}, 1),
      ItemAtIs(41, {5, 28}, std::nullopt), ItemAtIs(41, {5, 97}, std::nullopt),
      ItemAtIs(41, {5, -1}, std::nullopt), ItemAtIs(41, {98, 5}, std::nullopt)}},
    {"TheTopIndexKeepsTheLastPageFull",
     {List(41, kShort, kScrolled), Items(41, 10), SetTop(41, 5), TopIs(41, 5),
      ItemRectIs(41, 5, {0, 0, 81, 14}), ItemRectIs(41, 4, {0, -14, 81, 0}),
      ItemAtIs(41, {5, 20}, 6), SetTop(41, 9), TopIs(41, 7), SetTop(41, 100), TopIs(41, 7),
      List(44, {150, 10, 250, 60}, kScrolled), Items(44, 3), SetTop(44, 1), TopIs(44, 0)}},
    {"SelectingScrollsTheItemIntoView",
     {List(41, kShort, kScrolled), Items(41, 10), Select(41, 5), TopIs(41, 3), Select(41, 1),
      TopIs(41, 1), Select(41, 4), TopIs(41, 2), Select(41, -1), SelectionIs(41, -1),
      TopIs(41, 2)}},
    {"InsertionsAndDeletionsKeepTheSelectionOnItsItem",
     {List(41, kShort, kScrolled), Items(41, 10), Select(41, 4), Delete(41, 1), SelectionIs(41, 3),
      Insert(41, 0), SelectionIs(41, 4), Insert(41, -1), SelectionIs(41, 4), Delete(41, 4),
      SelectionIs(41, -1)}},
    {"DeletingDownToOnePageScrollsToTheTop",
     {List(41, kShort, kScrolled), Items(41, 5), SetTop(41, 2), Delete(41, 0), TopIs(41, 2),
      Delete(41, 0), TopIs(41, 0)}},
    {"AClickOnANewItemSelectsItAndNotifiesOnce",
     {List(41, kSquare), Items(41, 3), Click({20, 30}),
      Events({"pre down 41 9,19 @20,30", "command 41:4", "pre up 41 9,19 @20,30", "list 41:1"}),
      SelectionIs(41, 1), FocusIs(41)}},
    {"AClickOnTheSelectedItemNotifiesAgain",
     {List(41, kSquare), Items(41, 3), Select(41, 1), Focus(41), Events({"command 41:4"}),
      Click({20, 30}), Events({"pre down 41 9,19 @20,30", "pre up 41 9,19 @20,30", "list 41:1"})}},
    {"AClickBelowTheLastItemOnlyTakesTheFocus",
     {List(41, kSquare), Items(41, 3), Click({20, 80}),
      Events({"pre down 41 9,69 @20,80", "command 41:4", "pre up 41 9,69 @20,80"}),
      SelectionIs(41, -1), FocusIs(41)}},
    {"ADoubleClickReportsTheSelectionThenTheDoubleClick",
     {List(41, kSquare), Items(41, 3), DoubleClick({20, 16}),
      Events({"pre down 41 9,5 @20,16", "command 41:4", "pre up 41 9,5 @20,16", "list 41:1",
              "pre dblclk 41 9,5 @20,16", "list 41:2", "pre up 41 9,5 @20,16"})}},
    {"WithoutTheNotifyStyleTheListReportsOnlyItsFocus",
     {List(41, kSquare, kBorder), Items(41, 3), DoubleClick({20, 16}),
      Events({"pre down 41 9,5 @20,16", "command 41:4", "pre up 41 9,5 @20,16",
              "pre dblclk 41 9,5 @20,16", "pre up 41 9,5 @20,16"}),
      SelectionIs(41, 0)}},
    {"TheNotificationsHandlerMayDestroyTheList",
     {List(41, kSquare), Items(41, 3), DestroyWhenNotified(), Click({20, 30}),
      Events({"pre down 41 9,19 @20,30", "command 41:4", "pre up 41 9,19 @20,30", "list 41:1",
              "command 41:5"}),
      Gone(41), FocusIs(kNone), Click({20, 30}),
      Events({"pre down dialog 20,30 @20,30", "down 20,30", "pre up dialog 20,30 @20,30"})}},
    {"ClicksGiveListsAndEditBoxesTheFocusAndTheDialogLeavesIt",
     {List(41, kSquare), Items(41, 3), Edit(42, kEditRect), Click({160, 15}),
      Events({"pre down 42 10,5 @160,15", "command 42:256", "pre up 42 10,5 @160,15"}), FocusIs(42),
      Click({20, 80}),
      Events(
          {"pre down 41 9,69 @20,80", "command 42:512", "command 41:4", "pre up 41 9,69 @20,80"}),
      FocusIs(41), Click({280, 180}),
      Events(
          {"pre down dialog 280,180 @280,180", "down 280,180", "pre up dialog 280,180 @280,180"}),
      FocusIs(41)}},
    {"SetFocusTellsTheControlsThatLoseAndGainIt",
     {List(41, kSquare), Edit(42, kEditRect), Focus(42), Events({"command 42:256"}), FocusIs(42),
      Focus(41), Events({"command 42:512", "command 41:4"}), FocusIs(41), Focus(41), Events({})}},
    {"DestroyingTheFocusedControlLeavesNoFocus",
     {List(41, kSquare), Edit(42, kEditRect), Focus(42), Events({"command 42:256"}), Destroy(42),
      Events({"command 42:512"}), FocusIs(kNone), Gone(42)}},
    {"DisablingTheFocusedControlLeavesNoFocus",
     {Edit(42, kEditRect), Focus(42), Events({"command 42:256"}), Enable(42, false),
      Events({"command 42:512"}), FocusIs(kNone), Focus(42), Events({}), FocusIs(kNone),
      Enable(42, true), FocusIs(kNone)}},
    {"DisabledControlsAndStaticTextsLetClicksThrough",
     {List(41, kSquare), Items(41, 3), Enable(41, false), Static(43, {150, 40, 250, 60}),
      TargetIs({20, 30}, kDialog), TargetIs({160, 45}, kDialog), Click({20, 30}), Click({160, 45}),
      Events({"pre down dialog 20,30 @20,30", "down 20,30", "pre up dialog 20,30 @20,30",
              "pre down dialog 160,45 @160,45", "down 160,45", "pre up dialog 160,45 @160,45"}),
      SelectionIs(41, -1), Edit(42, kEditRect), Static(45, {140, 5, 260, 35}),
      TargetIs({160, 15}, 42)}},
    {"TheLatestControlLiesOnTop",
     {List(41, kSquare), Items(41, 7), Edit(46, {50, 50, 150, 70}),
      Hidden(List(47, {40, 40, 160, 80})), TargetIs({60, 60}, 46), Click({60, 60}),
      Events({"pre down 46 10,10 @60,60", "command 46:256", "pre up 46 10,10 @60,60"}),
      SelectionIs(41, -1)}},
    {"TheWheelScrollsTheListUnderThePointerByThreeLinesANotch",
     {List(41, kSquare, kScrolled), Items(41, 20), Wheel({20, 30}, -120),
      Events({"pre wheel 41 20,30 @20,30"}), TopIs(41, 3), Wheel({20, 30}, -60), TopIs(41, 4),
      Wheel({20, 30}, -60), TopIs(41, 6), Wheel({20, 30}, 120), TopIs(41, 3),
      Wheel({20, 30}, -1200), TopIs(41, 13),
      Events({"pre wheel 41 20,30 @20,30", "pre wheel 41 20,30 @20,30", "pre wheel 41 20,30 @20,30",
              "pre wheel 41 20,30 @20,30"})}},
    {"TheWheelScrollsAShortListByAPageAndReachesTheDialogOnlyOverNoControl",
     {List(41, {10, 10, 110, 40}, kScrolled), Items(41, 10), Edit(42, kEditRect),
      Wheel({20, 20}, -120), TopIs(41, 2), Wheel({160, 15}, -120), Wheel({280, 180}, -120),
      Events({"pre wheel 41 20,20 @20,20", "pre wheel 42 160,15 @160,15",
              "pre wheel dialog 280,180 @280,180", "wheel -120 280,180"})}},
    {"DestroyingTheDialogTakesItsFocusThenTellsIt",
     {List(41, kSquare), Focus(41), Events({"command 41:4"}), Destroy(kDialog),
      Events({"command 41:5", "destroy"})}},
    {"EnterAndEscapeBecomeOkAndCancel",
     {List(41, kSquare), Focus(41), Events({"command 41:4"}), Key(kKeyReturn), Key(kKeyEscape),
      Events({"pre key 41 13", "command 1:0", "pre key 41 27", "command 2:0"})}},
};

using DriverMaker = std::unique_ptr<WindowDriver> (*)();

struct Backend {
  const char* name;
  DriverMaker make;
};

void PrintTo(const Backend& backend, std::ostream* out) {
  *out << backend.name;
}

const Backend kBackends[] = {
    {"Headless", test::MakeHeadlessDriver},
#ifdef _WIN32
    {"Win32", test::MakeWin32Driver},
#endif
};

// One case against one backend: a shown 300 x 200 dialog, its controls by id, and the steps.
class CaseRun {
 public:
  explicit CaseRun(WindowDriver& driver) : driver_(driver), windows_(driver.windows()) {}

  bool Open() {
    windows_.CreateDialogWindow(dialog_, dialog_.dialog_template(), kNoWindow);
    if (dialog_.window() == kNoWindow) return false;
    windows_.ShowWindow(dialog_.window(), true);
    windows_.ResizeWindow(dialog_.window(), 300, 200);
    driver_.Settle(dialog_);
    dialog_.events.clear();
    return true;
  }

  ~CaseRun() {
    if (dialog_.window() != kNoWindow) windows_.DestroyWindow(dialog_.window());
  }

  void Act(const Step& step);
  void Check(const Step& step);
  std::vector<std::string>& events() { return dialog_.events; }

 private:
  WindowHandle Window(int id) {
    return id == kDialog ? dialog_.window() : windows_.ControlById(dialog_.window(), id);
  }
  int IdOf(WindowHandle window) {
    if (window == kNoWindow) return kNone;
    return window == dialog_.window() ? kDialog : windows_.ControlId(window);
  }
  Point Screen(Point client) {
    const Point origin = windows_.ScreenToClient(dialog_.window(), {0, 0});
    return {client.x - origin.x, client.y - origin.y};
  }

  WindowDriver& driver_;
  WindowSystem& windows_;
  RecordingDialog dialog_{windows_};
  std::map<int, ControlSpec> specs_;
};

void CaseRun::Act(const Step& step) {
  const WindowHandle window = Window(step.id);
  switch (step.kind) {
    case K::kCreate:
      specs_[step.spec.id] = step.spec;
      windows_.CreateControl(dialog_.window(), step.spec);
      break;
    case K::kItems:
      for (int i = 0; i < step.value; ++i) windows_.ListAddString(window, std::to_wstring(i));
      break;
    case K::kInsert:
      windows_.ListInsertString(window, step.value, L"new");
      break;
    case K::kDelete:
      windows_.ListDeleteString(window, step.value);
      break;
    case K::kSelect:
      windows_.ListSetSelection(window, step.value);
      break;
    case K::kSetTop:
      windows_.ListSetTopIndex(window, step.value);
      break;
    case K::kFocus:
      windows_.SetFocus(window);
      break;
    case K::kEnable:
      windows_.EnableWindow(window, step.value != 0);
      break;
    case K::kDestroy:
      windows_.DestroyWindow(window);
      if (step.id == kDialog) dialog_.Attach(kNoWindow);
      return;
    case K::kDestroyWhenNotified:
      dialog_.on_list_notification = [this](WindowHandle list) { windows_.DestroyWindow(list); };
      break;
    case K::kClick:
      driver_.Click(dialog_, step.point);
      break;
    case K::kDoubleClick:
      driver_.DoubleClick(dialog_, step.point);
      break;
    case K::kWheel:
      driver_.Wheel(dialog_, step.point, step.value);
      break;
    case K::kKey:
      driver_.KeyDown(dialog_, static_cast<uint32_t>(step.value));
      break;
    default:
      Check(step);
      return;
  }
  driver_.Settle(dialog_);
}

void CaseRun::Check(const Step& step) {
  const WindowHandle window = Window(step.id);
  switch (step.kind) {
    case K::kEvents:
      EXPECT_EQ(dialog_.events, step.events);
      dialog_.events.clear();
      break;
    case K::kFocusIs:
      EXPECT_EQ(IdOf(windows_.FocusedWindow()), step.id);
      break;
    case K::kSelectionIs:
      EXPECT_EQ(windows_.ListSelection(window), step.value);
      break;
    case K::kTopIs:
      EXPECT_EQ(windows_.ListTopIndex(window), step.value);
      break;
    case K::kClientIs:
      EXPECT_EQ(windows_.ClientRect(window), step.rect);
      break;
    case K::kItemRectIs:
      EXPECT_EQ(windows_.ListItemRect(window, step.value), step.rect);
      break;
    case K::kItemAtIs:
      EXPECT_EQ(windows_.ListItemFromPoint(window, step.point), step.item);
      break;
    case K::kTargetIs:
      EXPECT_EQ(IdOf(windows_.WindowFromPoint(Screen(step.point))), step.id);
      break;
    case K::kGone:
      EXPECT_EQ(window, kNoWindow);
      break;
    case K::kItemsAreFontCells: {
      const int cell = driver_.FontCellHeight(specs_[step.id].font);
      EXPECT_EQ(windows_.ListItemRect(window, 0).Height(), cell);
      EXPECT_EQ(windows_.ListItemRect(window, 1).top, cell);
      EXPECT_EQ(windows_.ListItemFromPoint(window, {5, cell}), 1);
      break;
    }
    default:
      break;
  }
}

class WindowSystemBehaviour : public testing::TestWithParam<std::tuple<BehaviourCase, Backend>> {};

TEST_P(WindowSystemBehaviour, MatchesWine) {
  const auto& [behaviour, backend] = GetParam();
  const std::unique_ptr<WindowDriver> driver = backend.make();
  CaseRun run(*driver);
  ASSERT_TRUE(run.Open()) << "no window: under Wine the Windows tests need a display, or Wine's "
                             "null graphics driver as tools/test sets it";
  for (size_t i = 0; i < behaviour.steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    run.Act(behaviour.steps[i]);
  }
  EXPECT_EQ(run.events(), std::vector<std::string>{}) << "events no step looked at";
}

INSTANTIATE_TEST_SUITE_P(, WindowSystemBehaviour,
                         testing::Combine(testing::ValuesIn(kCases), testing::ValuesIn(kBackends)),
                         [](const testing::TestParamInfo<WindowSystemBehaviour::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace vx
