#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/geometry_print.h"
#include "ui/behaviour_steps.h"

// Runs the behaviour table's cases, each against a fresh window system of each backend.

namespace vx::test {
namespace {

constexpr uint32_t kTestPost = kMsgUser + 0x20;

std::string At(Point p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

std::string Hex(uint32_t value) {
  static const char kDigits[] = "0123456789abcdef";
  return std::string{kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

// What the keyboard hook saw: the event's kind, the key's name, scan code and extended bit.
std::string HookEvent(const HookedKey& key) {
  static const std::map<uint32_t, std::string> kKinds = {{kMsgKeyDown, "down"},
                                                         {kMsgKeyUp, "up"},
                                                         {kMsgSysKeyDown, "sysdown"},
                                                         {kMsgSysKeyUp, "sysup"}};
  const auto data = static_cast<uint32_t>(key.key_data);
  return "hook " + kKinds.at(key.message) + " " + Narrow(key.name) + " " + Hex(data >> 16) +
         (((data >> 24) & 1) ? " ext" : "");
}

// Records what the dialog is told, in order: the input it pre-translates (with the target, the
// point the message carries and the cursor, both relative to the dialog) and its handlers.
class RecordingDialog : public Dialog {
 public:
  RecordingDialog(WindowSystem& windows, DialogTemplate templ) : Dialog(windows, templ) {}

  bool PreTranslateMessage(const Message& m) override {
    static const std::map<uint32_t, std::string> kInput = {{kMsgLButtonDown, "down"},
                                                           {kMsgLButtonUp, "up"},
                                                           {kMsgLButtonDoubleClick, "dblclk"},
                                                           {kMsgMouseWheel, "wheel"}};
    const std::string target =
        m.window == window() ? "dialog" : std::to_string(windows().ControlId(m.window));
    if (m.id == kTestPost) events.push_back("pre post");
    if (m.id == kMsgTimer) events.push_back("pre timer " + std::to_string(m.wparam));
    if (IsKeyMessage(m.id)) PreTranslateKey(m, target);
    const auto input = kInput.find(m.id);
    if (input == kInput.end()) return false;
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
  std::optional<intptr_t> OnUserMessage(uint32_t id, uintptr_t, intptr_t) override {
    if (id != kTestPost) return std::nullopt;
    events.push_back("post");
    return 0;
  }
  bool OnTimer(int id) override {
    events.push_back("timer " + std::to_string(id));
    return true;
  }
  void OnDestroy() override { events.push_back("destroy"); }
  bool OnInitDialog() override {
    for (const ControlSpec& spec : init_controls) windows().CreateControl(window(), spec);
    return true;
  }

  std::vector<std::string> events;
  std::function<void(WindowHandle)> on_list_notification;
  std::vector<ControlSpec> init_controls;

 private:
  // Characters are left out: only the real keyboard's keys bring them.
  void PreTranslateKey(const Message& m, const std::string& target) {
    static const std::map<uint32_t, std::string> kKeys = {{kMsgKeyDown, "key"},
                                                          {kMsgKeyUp, "keyup"},
                                                          {kMsgSysKeyDown, "syskey"},
                                                          {kMsgSysKeyUp, "syskeyup"}};
    const auto key = kKeys.find(m.id);
    if (key == kKeys.end()) return;
    const bool alt = (static_cast<uint32_t>(m.lparam) >> 29) & 1;
    events.push_back("pre " + key->second + " " + target + " " + std::to_string(m.wparam) +
                     (alt ? " alt" : ""));
  }
  Point Local(Point screen) { return windows().ScreenToClient(window(), screen); }
};

// One case against one backend: a shown 300 x 200 dialog, the other dialogs the steps use, their
// controls by id, and the steps.
class CaseRun {
 public:
  explicit CaseRun(WindowDriver& driver) : driver_(driver), windows_(driver.windows()) {
    for (int i = 0; i < kDialogCount; ++i) {
      dialogs_[i] = std::make_unique<RecordingDialog>(windows_, DialogTemplate{0, i == kMain, i == kSecond});
    }
  }

  bool Open() { return Show(kCaseDialog); }

  ~CaseRun() {
    for (const auto& dialog : dialogs_) {
      if (dialog->window() != kNoWindow) windows_.DestroyWindow(dialog->window());
    }
  }

  void Act(const Step& step);
  void Check(const Step& step);
  std::vector<std::string> UnseenEvents() const {
    std::vector<std::string> unseen;
    for (size_t i = 0; i < dialogs_.size(); ++i) {
      for (const std::string& event : dialogs_[i]->events) {
        unseen.push_back(std::to_string(i) + ": " + event);
      }
    }
    return unseen;
  }

 private:
  RecordingDialog& DialogOf(const Step& step) { return *dialogs_[step.dialog]; }
  WindowHandle Window(const Step& step) {
    const WindowHandle dialog = DialogOf(step).window();
    return step.id == kDialog ? dialog : windows_.ControlById(dialog, step.id);
  }
  int IdOf(const Step& step, WindowHandle window) {
    if (window == kNoWindow) return kNone;
    return window == DialogOf(step).window() ? kDialog : windows_.ControlId(window);
  }
  Point Screen(const Step& step, Point client) {
    const Point origin = windows_.ScreenToClient(DialogOf(step).window(), {0, 0});
    return {client.x - origin.x, client.y - origin.y};
  }
  bool Show(int index);
  void Control(const Step& step);
  void Input(const Step& step);
  void Modal(const Step& step);

  WindowDriver& driver_;
  WindowSystem& windows_;
  std::array<std::unique_ptr<RecordingDialog>, kDialogCount> dialogs_;
  std::map<int, ControlSpec> specs_;
  std::unique_ptr<KeyboardHook> hook_;
};

bool CaseRun::Show(int index) {
  RecordingDialog& dialog = *dialogs_[index];
  windows_.CreateDialogWindow(dialog, dialog.dialog_template(), kNoWindow);
  if (dialog.window() == kNoWindow) return false;
  windows_.ShowWindow(dialog.window(), true);
  windows_.ResizeWindow(dialog.window(), 300, 200);
  driver_.Settle(dialog);
  dialog.events.clear();
  return true;
}

void CaseRun::Act(const Step& step) {
  switch (step.kind) {
    case K::kCreate:
    case K::kItems:
    case K::kInsert:
    case K::kDelete:
    case K::kSelect:
    case K::kSetTop:
    case K::kFocus:
    case K::kEnable:
    case K::kDestroy:
    case K::kDestroyWhenNotified:
    case K::kResize:
      Control(step);
      break;
    case K::kClick:
    case K::kDoubleClick:
    case K::kWheel:
    case K::kKey:
    case K::kTap:
    case K::kPress:
    case K::kPost:
      Input(step);
      break;
    case K::kOnInit:
      DialogOf(step).init_controls.push_back(step.spec);
      return;
    case K::kOpenMain:
      ASSERT_TRUE(Show(kMain));
      break;
    case K::kModal:
      Modal(step);
      break;
    case K::kEnd:
      DialogOf(step).EndDialog(step.value);
      break;
    case K::kHook:
      hook_ = windows_
                  .InstallKeyboardHook([&events = DialogOf(step).events](const HookedKey& key) {
                    events.push_back(HookEvent(key));
                  })
                  .hook;
      ASSERT_NE(hook_, nullptr);
      return;
    case K::kUnhook:
      hook_.reset();
      return;
    case K::kStartTimer:
      windows_.SetTimer(DialogOf(step).window(), step.value, step.ms);
      return;
    case K::kStopTimer:
      windows_.KillTimer(DialogOf(step).window(), step.value);
      return;
    case K::kAwaitTimer:
      EXPECT_TRUE(driver_.AwaitTimer(DialogOf(step), step.ms)) << "no timer came";
      return;
    case K::kPass:
      driver_.Pass(DialogOf(step), step.ms);
      return;
    default:
      Check(step);
      return;
  }
  driver_.Settle(DialogOf(step));
}

void CaseRun::Control(const Step& step) {
  const WindowHandle window = Window(step);
  switch (step.kind) {
    case K::kCreate:
      specs_[step.spec.id] = step.spec;
      windows_.CreateControl(DialogOf(step).window(), step.spec);
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
      if (step.id == kDialog) DialogOf(step).Attach(kNoWindow);
      break;
    case K::kDestroyWhenNotified:
      DialogOf(step).on_list_notification = [this](WindowHandle list) {
        windows_.DestroyWindow(list);
      };
      break;
    case K::kResize:
      windows_.ResizeWindow(window, step.rect.Width(), step.rect.Height());
      break;
    default:
      break;
  }
}

void CaseRun::Input(const Step& step) {
  RecordingDialog& dialog = DialogOf(step);
  switch (step.kind) {
    case K::kClick:
      driver_.Click(dialog, step.point);
      break;
    case K::kDoubleClick:
      driver_.DoubleClick(dialog, step.point);
      break;
    case K::kWheel:
      driver_.Wheel(dialog, step.point, step.value);
      break;
    case K::kKey:
      driver_.KeyDown(dialog, static_cast<uint32_t>(step.value));
      break;
    case K::kTap:
      driver_.Tap(dialog, step.point);
      break;
    case K::kPress:
      driver_.PressKey(dialog, step.key);
      break;
    case K::kPost:
      windows_.PostToWindow(dialog.window(), kTestPost, 0, 0);
      break;
    default:
      break;
  }
}

void CaseRun::Modal(const Step& step) {
  const WindowHandle owner = dialogs_[step.owner]->window();
  const int result = driver_.RunModal(DialogOf(step), owner, [this, &step] {
    for (size_t i = 0; i < step.script.size(); ++i) {
      SCOPED_TRACE("modal step " + std::to_string(i));
      Act(step.script[i]);
    }
  });
  EXPECT_EQ(result, step.value);
}

void CaseRun::Check(const Step& step) {
  const WindowHandle window = Window(step);
  switch (step.kind) {
    case K::kEvents:
      EXPECT_EQ(DialogOf(step).events, step.events);
      DialogOf(step).events.clear();
      break;
    case K::kFocusIs:
      EXPECT_EQ(IdOf(step, windows_.FocusedWindow()), step.id);
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
      EXPECT_EQ(IdOf(step, windows_.WindowFromPoint(Screen(step, step.point))), step.id);
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
    case K::kEnabledIs:
      EXPECT_EQ(windows_.IsWindowEnabled(window), step.value != 0);
      break;
    case K::kInnermostIs:
      EXPECT_EQ(windows_.InnermostModalWindow(),
                step.value == kNone ? kNoWindow : dialogs_[step.value]->window());
      break;
    case K::kAtOwnersOrigin:
      EXPECT_EQ(windows_.ScreenToClient(window, {0, 0}),
                windows_.ScreenToClient(dialogs_[step.value]->window(), {0, 0}));
      break;
    default:
      break;
  }
}

}  // namespace

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
  EXPECT_EQ(run.UnseenEvents(), std::vector<std::string>{}) << "events no step looked at";
}

}  // namespace vx::test
