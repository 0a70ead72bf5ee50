#include "platform/headless/headless_window_system.h"

#include <algorithm>
#include <cstring>

#include "platform/headless/headless_list_box.h"

namespace vx::headless {

void RecordingTextPort::DrawString(Canvas&, const std::wstring& text, Rect rect, uint32_t format,
                                   const FontSpec& font, Rgb colour) {
  draws.push_back({text, rect, format, font, colour});
}

// Without glyphs, every character counts as half the font's height wide and lines break at the
// rectangle's width: enough for layouts that measure before they draw.
Rect RecordingTextPort::MeasureText(const std::wstring& text, Rect rect, uint32_t,
                                    const FontSpec& font) {
  const int char_width = std::max(1, font.height / 2);
  const int per_line = std::max(1, rect.Width() / char_width);
  const int lines = std::max<int>(1, (static_cast<int>(text.size()) + per_line - 1) / per_line);
  return {rect.left, rect.top, rect.right, rect.top + lines * font.height};
}

HeadlessWindow* HeadlessWindowSystem::Find(WindowHandle window) {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second.get();
}

WindowHandle HeadlessWindowSystem::Open(Dialog& dialog, WindowHandle owner) {
  return CreateDialogWindow(dialog, dialog.dialog_template(), owner);
}

WindowHandle HeadlessWindowSystem::CreateDialogWindow(Dialog& dialog, const DialogTemplate& templ,
                                                      WindowHandle owner) {
  const WindowHandle handle = next_handle_++;
  auto window = std::make_unique<HeadlessWindow>();
  window->dialog = &dialog;
  window->parent = owner;
  window->scale = Exists(owner) ? Scale(owner) : system_scale;
  // Only the main window's template is visible; the others show when their modal loop starts.
  window->visible = templ.main_window;
  modal_results_[&dialog].reset();
  windows_[handle] = std::move(window);
  TakeMessagesFor(handle);
  dialog.Attach(handle);
  // An init handler that answers true asks the system to put the focus in the dialog.
  if (dialog.HandleMessage({handle, kMsgInitDialog, 0, 0, cursor}).value_or(1) != 0 &&
      Exists(handle)) {
    FocusFirstControl(handle);
  }
  return handle;
}

// The script stands for the messages the loop would handle; destroying the window or ending the
// dialog in it ends the loop once the script returns, as the real loop ends after the message
// that did it.
int HeadlessWindowSystem::RunModalLoop(Dialog& dialog) {
  const WindowHandle window = dialog.window();
  const WindowHandle owner = Exists(window) ? Get(window).parent : kNoWindow;
  const bool owner_was_enabled = Exists(owner) && Get(owner).enabled;
  if (owner_was_enabled) EnableWindow(owner, false);
  if (!modal_results_[&dialog]) ShowWindow(window, true);
  running_.push_back(&dialog);
  if (!modal_results_[&dialog] && !modal_scripts.empty()) {
    auto script = std::move(modal_scripts.front());
    modal_scripts.pop_front();
    script(dialog);
  }
  running_.pop_back();
  if (owner_was_enabled) EnableWindow(owner, true);
  const std::optional<int> result = modal_results_[&dialog];
  modal_results_.erase(&dialog);
  return result.value_or(kIdCancel);
}

void HeadlessWindowSystem::EndModalLoop(Dialog& dialog, int result) {
  modal_results_[&dialog] = result;
}

WindowHandle HeadlessWindowSystem::InnermostModalWindow() {
  return running_.empty() ? kNoWindow : running_.back()->window();
}

std::vector<WindowHandle> HeadlessWindowSystem::Controls(WindowHandle parent) const {
  std::vector<WindowHandle> controls;
  for (const auto& [handle, window] : windows_) {
    if (window->dialog == nullptr && window->parent == parent) controls.push_back(handle);
  }
  return controls;
}

const MemoryCanvas* HeadlessWindowSystem::Presented(WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second->presented.get();
}

Dialog* HeadlessWindowSystem::DialogOf(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (w == nullptr) return nullptr;
  return w->dialog != nullptr ? w->dialog : DialogOf(w->parent);
}

// Controls are inside their parent; a dialog's owner does not contain it.
bool HeadlessWindowSystem::Contains(WindowHandle outer, WindowHandle inner) {
  while (inner != kNoWindow) {
    if (inner == outer) return true;
    const HeadlessWindow* w = Find(inner);
    if (w == nullptr || w->dialog != nullptr) return false;
    inner = w->parent;
  }
  return false;
}

// As Wine does: the focus goes first, then the window is told it is being destroyed.
void HeadlessWindowSystem::DestroyWindow(WindowHandle window) {
  if (Contains(window, focus_)) MoveFocus(kNoWindow);
  if (HeadlessWindow* w = Find(window); w != nullptr && w->dialog != nullptr) {
    w->dialog->HandleMessage({window, kMsgDestroy, 0, 0, cursor});
  }
  std::vector<WindowHandle> gone = Controls(window);
  gone.push_back(window);
  for (WindowHandle handle : gone) {
    ForgetTimers(handle);
    windows_.erase(handle);
  }
  DropMessagesFor(gone);
}

void HeadlessWindowSystem::ShowWindow(WindowHandle window, bool show) {
  if (HeadlessWindow* w = Find(window)) w->visible = show;
}

bool HeadlessWindowSystem::IsWindowVisible(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  return w != nullptr && w->visible;
}

bool HeadlessWindowSystem::IsIconic(WindowHandle) {
  return false;
}
void HeadlessWindowSystem::BringToForeground(WindowHandle window) {
  brought_to_front.push_back(window);
}

void HeadlessWindowSystem::ResizeWindow(WindowHandle window, int width, int height) {
  if (HeadlessWindow* w = Find(window)) {
    w->width = ToDevice(width, Scale(window));
    w->height = ToDevice(height, Scale(window));
  }
}

Rect HeadlessWindowSystem::ClientRect(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (w == nullptr) return {};
  const Rect device =
      w->dialog == nullptr ? ControlClientRect(*w) : Rect{0, 0, w->width, w->height};
  return ToLayout(device, Scale(window));
}

void HeadlessWindowSystem::MakeToolWindow(WindowHandle window) {
  if (HeadlessWindow* w = Find(window)) w->tool_window = true;
}

void HeadlessWindowSystem::SetWindowIcons(WindowHandle window) {
  if (HeadlessWindow* w = Find(window)) w->icons = true;
}

std::unique_ptr<Canvas> HeadlessWindowSystem::CreateCanvas(int width, int height,
                                                           DisplayScale scale) {
  return std::make_unique<MemoryCanvas>(width, height, scale);
}

void HeadlessWindowSystem::PresentCanvas(WindowHandle window, const Canvas& canvas) {
  HeadlessWindow* w = Find(window);
  if (w == nullptr) return;
  w->presented = std::make_unique<MemoryCanvas>(canvas.width(), canvas.height());
  std::memcpy(w->presented->pixels(), canvas.pixels(),
              static_cast<size_t>(canvas.width()) * static_cast<size_t>(canvas.height()) * 4);
}

void HeadlessWindowSystem::DrawIconCentred(WindowHandle) {}

WindowHandle HeadlessWindowSystem::CreateControl(WindowHandle parent, const ControlSpec& spec) {
  const WindowHandle handle = next_handle_++;
  auto window = std::make_unique<HeadlessWindow>();
  window->parent = parent;
  window->spec = spec;
  const DisplayScale scale = Scale(parent);
  window->spec.rect = ToDevice(spec.rect, scale);
  window->visible = (spec.style & kStyleVisible) != 0;
  window->layout_font = spec.font;
  if (spec.font) window->font = window->spec.font = ToDevice(*spec.font, scale);
  windows_[handle] = std::move(window);
  TakeMessagesFor(handle);
  return handle;
}

WindowHandle HeadlessWindowSystem::ControlById(WindowHandle parent, int id) {
  for (WindowHandle control : Controls(parent)) {
    if (windows_[control]->spec.id == id) return control;
  }
  return kNoWindow;
}

int HeadlessWindowSystem::ControlId(WindowHandle control) {
  const HeadlessWindow* w = Find(control);
  return w == nullptr ? 0 : w->spec.id;
}

void HeadlessWindowSystem::SetText(WindowHandle control, const std::wstring& text) {
  if (HeadlessWindow* w = Find(control)) w->spec.text = text;
}

std::wstring HeadlessWindowSystem::GetText(WindowHandle control) {
  const HeadlessWindow* w = Find(control);
  return w == nullptr ? L"" : w->spec.text;
}

void HeadlessWindowSystem::SetControlFont(WindowHandle control, const FontSpec& font) {
  if (HeadlessWindow* w = Find(control)) {
    w->layout_font = font;
    w->font = ToDevice(font, Scale(control));
  }
}

void HeadlessWindowSystem::RepaintControl(WindowHandle control) {
  if (HeadlessWindow* w = Find(control)) ++w->repaints;
}

void HeadlessWindowSystem::EnableWindow(WindowHandle control, bool enable) {
  HeadlessWindow* w = Find(control);
  if (w == nullptr) return;
  w->enabled = enable;
  if (!enable && Contains(control, focus_)) MoveFocus(kNoWindow);
}

bool HeadlessWindowSystem::IsWindowEnabled(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  return w != nullptr && w->enabled;
}

// A disabled window cannot take the focus.
void HeadlessWindowSystem::SetFocus(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (window != kNoWindow && (w == nullptr || !w->enabled)) return;
  if (window == focus_) return;
  const bool dialog = w != nullptr && w->dialog != nullptr;
  MoveFocus(window);
  if (dialog && focus_ == window) FocusFirstControl(window);
}

// Wine's dialog manager takes the first control in z-order that is visible and enabled, static
// texts included, when none has the tab-stop style (the program's controls have none); without
// one the dialog keeps the focus itself.
void HeadlessWindowSystem::FocusFirstControl(WindowHandle dialog) {
  const std::vector<WindowHandle> controls = Controls(dialog);
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const HeadlessWindow& w = *windows_.at(*it);
    if (w.visible && w.enabled) {
      MoveFocus(*it);
      return;
    }
  }
  MoveFocus(dialog);
}

void HeadlessWindowSystem::ListAddString(WindowHandle list, const std::wstring& text) {
  if (HeadlessWindow* w = Find(list)) ListInsert(*w, -1, text);
}

void HeadlessWindowSystem::ListInsertString(WindowHandle list, int index,
                                            const std::wstring& text) {
  if (HeadlessWindow* w = Find(list)) ListInsert(*w, index, text);
}

void HeadlessWindowSystem::ListDeleteString(WindowHandle list, int index) {
  if (HeadlessWindow* w = Find(list)) ListDelete(*w, index);
}

void HeadlessWindowSystem::ListReset(WindowHandle list) {
  if (HeadlessWindow* w = Find(list)) {
    w->items.clear();
    w->selection = -1;
    w->top_index = 0;
  }
}

int HeadlessWindowSystem::ListCount(WindowHandle list) {
  const HeadlessWindow* w = Find(list);
  return w == nullptr ? 0 : static_cast<int>(w->items.size());
}

std::wstring HeadlessWindowSystem::ListText(WindowHandle list, int index) {
  const HeadlessWindow* w = Find(list);
  if (w == nullptr || index < 0 || index >= static_cast<int>(w->items.size())) return L"";
  return w->items[index];
}

int HeadlessWindowSystem::ListSelection(WindowHandle list) {
  const HeadlessWindow* w = Find(list);
  return w == nullptr ? -1 : w->selection;
}

void HeadlessWindowSystem::ListSetSelection(WindowHandle list, int index) {
  if (HeadlessWindow* w = Find(list)) ListSelect(*w, index);
}

std::optional<int> HeadlessWindowSystem::ListItemFromPoint(WindowHandle list, Point client) {
  const HeadlessWindow* w = Find(list);
  return w == nullptr ? std::nullopt : ListItemAt(*w, ToDevice(client, Scale(list)));
}

Rect HeadlessWindowSystem::ListItemRect(WindowHandle list, int index) {
  const HeadlessWindow* w = Find(list);
  return w == nullptr ? Rect{} : ToLayout(ListItemRectOf(*w, index), Scale(list));
}

void HeadlessWindowSystem::ListSetTopIndex(WindowHandle list, int index) {
  if (HeadlessWindow* w = Find(list)) ListScrollTo(*w, index);
}

int HeadlessWindowSystem::ListTopIndex(WindowHandle list) {
  const HeadlessWindow* w = Find(list);
  return w == nullptr ? 0 : w->top_index;
}

void HeadlessWindowSystem::ListScrollLines(WindowHandle list, int lines) {
  if (HeadlessWindow* w = Find(list)) ListScrollTo(*w, w->top_index + lines);
}

namespace {

class HeadlessKeyboardHook : public KeyboardHook {
 public:
  explicit HeadlessKeyboardHook(std::function<void(const HookedKey&)>& slot) : slot_(slot) {}
  ~HeadlessKeyboardHook() override { slot_ = nullptr; }

 private:
  std::function<void(const HookedKey&)>& slot_;
};

}  // namespace

HookInstall HeadlessWindowSystem::InstallKeyboardHook(
    std::function<void(const HookedKey&)> handler) {
  if (keyboard_hook_fails) return {nullptr, keyboard_hook_error};
  keyboard_hook_ = std::move(handler);
  return {std::make_unique<HeadlessKeyboardHook>(keyboard_hook_), 0};
}

void HeadlessWindowSystem::TrackMouse(WindowHandle, bool, bool, uint32_t) {
  ++hover_requests;
}

void HeadlessWindowSystem::BeginCaptionDrag(WindowHandle window, Point client) {
  drags.push_back(ToDevice(client, Scale(window)));
}

int HeadlessWindowSystem::ShowMessageBox(WindowHandle owner, const std::wstring& text,
                                         const std::wstring& caption, uint32_t type) {
  boxes.push_back({owner, text, caption, type});
  if (box_answers.empty()) return kIdOk;
  const int answer = box_answers.front();
  box_answers.pop_front();
  return answer;
}

bool HeadlessWindowSystem::AddTrayIcon(WindowHandle, const std::wstring& tip) {
  tray_icon = true;
  tray_tip = tip;
  return true;
}

void HeadlessWindowSystem::ShowTrayBalloon(WindowHandle, const std::wstring& text,
                                           const std::wstring& title, uint32_t timeout_ms) {
  balloons.push_back({text, title, timeout_ms});
}

void HeadlessWindowSystem::SetTrayTip(WindowHandle, const std::wstring& tip) {
  tray_tip = tip;
}

void HeadlessWindowSystem::DeleteTrayIcon(WindowHandle) {
  tray_icon = false;
}

void HeadlessWindowSystem::TrackPopupMenu(WindowHandle window, const std::vector<MenuItem>& items,
                                          Point screen) {
  menus.push_back({window, items, screen});
}

std::optional<std::wstring> HeadlessWindowSystem::ChooseFileToOpen(WindowHandle,
                                                                   const FileFilter& filter) {
  file_dialogs.push_back(L"open " + filter.pattern);
  if (file_answers.empty()) return std::nullopt;
  const auto answer = file_answers.front();
  file_answers.pop_front();
  return answer;
}

std::optional<std::wstring> HeadlessWindowSystem::ChooseFileToSave(
    WindowHandle, const FileFilter& filter, const std::wstring& suggested_name) {
  file_dialogs.push_back(L"save " + filter.pattern + L" " + suggested_name);
  if (file_answers.empty()) return std::nullopt;
  const auto answer = file_answers.front();
  file_answers.pop_front();
  return answer;
}

std::optional<Rgb> HeadlessWindowSystem::ChooseColour(WindowHandle, Rgb) {
  if (colour_answers.empty()) return std::nullopt;
  const auto answer = colour_answers.front();
  colour_answers.pop_front();
  return answer;
}

}  // namespace vx::headless
