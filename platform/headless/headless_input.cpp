// Input and message delivery of the headless window system, as Wine delivers them to a dialog's
// modal loop and as Wine's list and edit boxes answer them.

#include "platform/headless/headless_list_box.h"
#include "platform/headless/headless_window_system.h"

namespace vx::headless {

namespace {

constexpr int kListSetFocus = 4;
constexpr int kListKillFocus = 5;
constexpr int kEditSetFocus = 0x100;
constexpr int kEditKillFocus = 0x200;

// Lists and edit boxes tell their parent when they gain or lose the focus, notify style or not.
std::optional<int> FocusCode(ControlKind kind, bool gained) {
  switch (kind) {
    case ControlKind::kListBox:
      return gained ? kListSetFocus : kListKillFocus;
    case ControlKind::kEdit:
      return gained ? kEditSetFocus : kEditKillFocus;
    case ControlKind::kStatic:
      return std::nullopt;
  }
  return std::nullopt;
}

uintptr_t WheelWparam(int delta) {
  return static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16;
}

}  // namespace

std::optional<intptr_t> HeadlessWindowSystem::Send(Dialog& dialog, const Message& message) {
  if (PreTranslates(dialog, message)) return std::nullopt;
  return dialog.HandleMessage(message);
}

bool HeadlessWindowSystem::PreTranslates(Dialog& dialog, const Message& message) {
  if (!running_.empty() && running_.back() != &dialog) return false;
  return dialog.PreTranslateMessage(message);
}

// The system gives a disabled window no input: a modal loop's owner gets none while it runs.
bool HeadlessWindowSystem::TakesInput(Dialog& dialog) {
  return IsWindowEnabled(dialog.window());
}

WindowHandle HeadlessWindowSystem::KeyTarget(Dialog& dialog) {
  return Contains(dialog.window(), focus_) ? focus_ : dialog.window();
}

std::optional<intptr_t> HeadlessWindowSystem::Send(Dialog& dialog, uint32_t id, uintptr_t wparam,
                                                   intptr_t lparam) {
  return Send(dialog, Message{dialog.window(), id, wparam, lparam, cursor});
}

void HeadlessWindowSystem::Click(Dialog& dialog, int x, int y) {
  MouseInput(dialog, kMsgLButtonDown, 1, {x, y});
  MouseInput(dialog, kMsgLButtonUp, 0, {x, y});
}

void HeadlessWindowSystem::DoubleClick(Dialog& dialog, int x, int y) {
  Click(dialog, x, y);
  MouseInput(dialog, kMsgLButtonDoubleClick, 1, {x, y});
  MouseInput(dialog, kMsgLButtonUp, 0, {x, y});
}

void HeadlessWindowSystem::MoveTo(Dialog& dialog, int x, int y) {
  MouseInput(dialog, kMsgMouseMove, 0, {x, y});
}

void HeadlessWindowSystem::Wheel(Dialog& dialog, int x, int y, int delta) {
  MouseInput(dialog, kMsgMouseWheel, WheelWparam(delta), {x, y});
}

void HeadlessWindowSystem::Hover(Dialog& dialog, int x, int y) {
  if (!TakesInput(dialog)) return;
  cursor = {x, y};
  Deliver(dialog, {dialog.window(), kMsgMouseHover, 0, LparamFromPoint({x, y}), cursor});
}

void HeadlessWindowSystem::KeyDown(Dialog& dialog, uint32_t virtual_key) {
  if (!TakesInput(dialog)) return;
  DeliverKey(dialog, {KeyTarget(dialog), kMsgKeyDown, virtual_key, 0, cursor});
}

// Without a focused control the key goes to the dialog in its system form; the key data keeps
// its context bit clear, as no Alt is held.
void HeadlessWindowSystem::Key(Dialog& dialog, const HookedKey& key) {
  if (keyboard_hook_) {
    // The hook may remove itself: it runs from a copy.
    const auto hook = keyboard_hook_;
    hook(key);
  }
  if (!TakesInput(dialog)) return;
  const WindowHandle target = KeyTarget(dialog);
  uint32_t id = key.message;
  if (target == dialog.window() && (id == kMsgKeyDown || id == kMsgKeyUp)) {
    id += kMsgSysKeyDown - kMsgKeyDown;
  }
  DeliverKey(dialog, {target, id, key.virtual_key, key.key_data, cursor});
}

void HeadlessWindowSystem::DeliverKey(Dialog& dialog, const Message& message) {
  if (!PreTranslates(dialog, message)) DialogManagerKey(dialog, message);
  PumpSent();
}

// The dialog manager of the innermost loop looks at plain key-downs of its own dialog only.
void HeadlessWindowSystem::DialogManagerKey(Dialog& dialog, const Message& message) {
  const WindowHandle window = dialog.window();
  const bool managed = running_.empty() || running_.back() == &dialog;
  const bool command_key = message.wparam == kKeyReturn || message.wparam == kKeyEscape;
  if (managed && message.id == kMsgKeyDown && command_key) {
    const int command = message.wparam == kKeyReturn ? kIdOk : kIdCancel;
    SendToWindow(window, kMsgCommand, static_cast<uintptr_t>(command),
                 ControlById(window, command));
    return;
  }
  Dispatch(message);
}

// Mouse messages carry the target's client coordinates, the wheel's carry screen coordinates.
void HeadlessWindowSystem::MouseInput(Dialog& dialog, uint32_t id, uintptr_t wparam, Point client) {
  if (!TakesInput(dialog)) return;
  const Point origin = Origin(dialog.window());
  const Point screen{origin.x + client.x, origin.y + client.y};
  cursor = screen;
  WindowHandle target = ControlFromPoint(dialog.window(), screen);
  if (target == kNoWindow) target = dialog.window();
  const Point at = id == kMsgMouseWheel ? screen : DeviceScreenToClient(target, screen);
  Deliver(dialog, {target, id, wparam, LparamFromPoint(at), screen});
}

void HeadlessWindowSystem::Deliver(Dialog& dialog, const Message& message) {
  if (!PreTranslates(dialog, message)) Dispatch(message);
  PumpSent();
}

void HeadlessWindowSystem::Dispatch(const Message& message) {
  HeadlessWindow* w = Find(message.window);
  if (w == nullptr) return;
  if (w->dialog != nullptr) {
    w->dialog->HandleMessage(message);
  } else if (w->spec.kind == ControlKind::kListBox) {
    ListMouse(message.window, message);
  } else if (w->spec.kind == ControlKind::kEdit && message.id == kMsgLButtonDown) {
    MoveFocus(message.window);
  }
}

// The selection moves when the button goes down and is reported when it comes up, even for the
// item already selected; a press below the last item only takes the focus.
void HeadlessWindowSystem::ListMouse(WindowHandle list, const Message& message) {
  if (message.id == kMsgLButtonDown) MoveFocus(list);
  HeadlessWindow* w = Find(list);  // the focus notification's handler may have destroyed it
  if (w == nullptr) return;
  const bool notify = (w->spec.style & kStyleNotify) != 0;
  switch (message.id) {
    case kMsgLButtonDown:
      if (const auto index = ListItemAt(*w, PointFromLparam(message.lparam))) {
        w->selection = *index;
        w->captured = true;
      }
      break;
    case kMsgLButtonUp:
      if (!w->captured) break;
      w->captured = false;
      if (notify && !w->items.empty()) SendCommand(list, kListSelChange);
      break;
    case kMsgLButtonDoubleClick:
      if (notify) SendCommand(list, kListDoubleClick);
      break;
    case kMsgMouseWheel:
      ListWheel(*w, WheelDelta(message.wparam));
      break;
    default:
      break;
  }
}

void HeadlessWindowSystem::SendCommand(WindowHandle control, int code) {
  const HeadlessWindow* w = Find(control);
  if (w == nullptr) return;
  const auto wparam = static_cast<uintptr_t>((w->spec.id & 0xFFFF) | (code << 16));
  SendToWindow(w->parent, kMsgCommand, wparam, control);
}

void HeadlessWindowSystem::MoveFocus(WindowHandle to) {
  const WindowHandle from = focus_;
  if (from == to) return;
  focus_ = to;
  if (const HeadlessWindow* w = Find(from); w != nullptr && w->dialog == nullptr) {
    if (const auto code = FocusCode(w->spec.kind, false)) SendCommand(from, *code);
  }
  if (focus_ != to) return;  // a handler of the loss moved it on
  if (const HeadlessWindow* w = Find(to); w != nullptr && w->dialog == nullptr) {
    if (const auto code = FocusCode(w->spec.kind, true)) SendCommand(to, *code);
  }
}

Point HeadlessWindowSystem::Origin(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (w == nullptr || w->dialog != nullptr) return {0, 0};
  const Point parent = Origin(w->parent);
  const int inset = ControlClientInset(*w);
  return {parent.x + w->spec.rect.left + inset, parent.y + w->spec.rect.top + inset};
}

Point HeadlessWindowSystem::DeviceScreenToClient(WindowHandle window, Point screen) {
  const Point origin = Origin(window);
  return {screen.x - origin.x, screen.y - origin.y};
}

Point HeadlessWindowSystem::ScreenToClient(WindowHandle window, Point screen) {
  return ToLayout(DeviceScreenToClient(window, screen), Scale(window));
}

// The latest control created lies on top; disabled ones and static texts let input through.
WindowHandle HeadlessWindowSystem::ControlFromPoint(WindowHandle parent, Point screen) {
  const Point origin = Origin(parent);
  const Point at{screen.x - origin.x, screen.y - origin.y};
  const std::vector<WindowHandle> controls = Controls(parent);
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const HeadlessWindow& w = *windows_.at(*it);
    if (!w.visible || !w.enabled || w.spec.kind == ControlKind::kStatic) continue;
    if (w.spec.rect.Contains(at)) return *it;
  }
  return kNoWindow;
}

WindowHandle HeadlessWindowSystem::WindowFromPoint(Point screen) {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    const HeadlessWindow& w = *it->second;
    if (w.dialog == nullptr || !w.visible) continue;
    if (!Rect{0, 0, w.width, w.height}.Contains(screen)) continue;
    const WindowHandle control = ControlFromPoint(it->first, screen);
    return control != kNoWindow ? control : it->first;
  }
  return kNoWindow;
}

}  // namespace vx::headless
