#include "platform/headless/headless_window_system.h"

#include <algorithm>
#include <cstring>

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
  // Only the main window's template is visible; the others show when their modal loop starts.
  window->visible = templ.main_window;
  modal_results_[&dialog].reset();
  windows_[handle] = std::move(window);
  dialog.Attach(handle);
  dialog.HandleMessage({handle, kMsgInitDialog, 0, 0, cursor});
  return handle;
}

int HeadlessWindowSystem::RunModalLoop(Dialog& dialog) {
  if (!modal_results_[&dialog]) ShowWindow(dialog.window(), true);
  if (!modal_results_[&dialog] && !modal_scripts.empty()) {
    auto script = std::move(modal_scripts.front());
    modal_scripts.pop_front();
    script(dialog);
  }
  const std::optional<int> result = modal_results_[&dialog];
  modal_results_.erase(&dialog);
  return result.value_or(kIdCancel);
}

void HeadlessWindowSystem::EndModalLoop(Dialog& dialog, int result) {
  modal_results_[&dialog] = result;
}

std::optional<intptr_t> HeadlessWindowSystem::Send(Dialog& dialog, const Message& message) {
  if (dialog.PreTranslateMessage(message)) return std::nullopt;
  return dialog.HandleMessage(message);
}

std::optional<intptr_t> HeadlessWindowSystem::Send(Dialog& dialog, uint32_t id, uintptr_t wparam,
                                                   intptr_t lparam) {
  return Send(dialog, Message{dialog.window(), id, wparam, lparam, cursor});
}

void HeadlessWindowSystem::Click(Dialog& dialog, int x, int y) {
  cursor = {x, y};
  Send(dialog, kMsgLButtonDown, 1, LparamFromPoint({x, y}));
}

void HeadlessWindowSystem::MoveTo(Dialog& dialog, int x, int y) {
  cursor = {x, y};
  Message message{WindowFromPoint(cursor), kMsgMouseMove, 0, LparamFromPoint({x, y}), cursor};
  if (message.window == kNoWindow) message.window = dialog.window();
  if (dialog.PreTranslateMessage(message)) return;
  // A move over a child control goes to the control, not to the dialog.
  if (message.window == dialog.window()) dialog.HandleMessage(message);
}

void HeadlessWindowSystem::Hover(Dialog& dialog, int x, int y) {
  cursor = {x, y};
  Send(dialog, kMsgMouseHover, 0, LparamFromPoint({x, y}));
}

void HeadlessWindowSystem::KeyDown(Dialog& dialog, uint32_t virtual_key) {
  Send(dialog, kMsgKeyDown, virtual_key, 0);
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

void HeadlessWindowSystem::DestroyWindow(WindowHandle window) {
  for (WindowHandle child : Controls(window)) windows_.erase(child);
  windows_.erase(window);
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
void HeadlessWindowSystem::BringToForeground(WindowHandle) {}

void HeadlessWindowSystem::ResizeWindow(WindowHandle window, int width, int height) {
  if (HeadlessWindow* w = Find(window)) {
    w->width = width;
    w->height = height;
  }
}

Rect HeadlessWindowSystem::ClientRect(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (w == nullptr) return {};
  if (w->dialog == nullptr) return {0, 0, w->spec.rect.Width(), w->spec.rect.Height()};
  return {0, 0, w->width, w->height};
}

void HeadlessWindowSystem::MakeToolWindow(WindowHandle window) {
  if (HeadlessWindow* w = Find(window)) w->tool_window = true;
}

void HeadlessWindowSystem::SetWindowIcons(WindowHandle window) {
  if (HeadlessWindow* w = Find(window)) w->icons = true;
}

std::unique_ptr<Canvas> HeadlessWindowSystem::CreateCanvas(int width, int height) {
  return std::make_unique<MemoryCanvas>(width, height);
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
  window->visible = (spec.style & kStyleVisible) != 0;
  windows_[handle] = std::move(window);
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
  if (HeadlessWindow* w = Find(control)) w->font = font;
}

void HeadlessWindowSystem::RepaintControl(WindowHandle control) {
  if (HeadlessWindow* w = Find(control)) ++w->repaints;
}

void HeadlessWindowSystem::EnableWindow(WindowHandle control, bool enable) {
  if (HeadlessWindow* w = Find(control)) w->enabled = enable;
}

void HeadlessWindowSystem::SetFocus(WindowHandle control) {
  focus_ = control;
}

void HeadlessWindowSystem::ListAddString(WindowHandle list, const std::wstring& text) {
  if (HeadlessWindow* w = Find(list)) w->items.push_back(text);
}

void HeadlessWindowSystem::ListInsertString(WindowHandle list, int index,
                                            const std::wstring& text) {
  HeadlessWindow* w = Find(list);
  if (w == nullptr) return;
  const size_t at = index < 0 ? w->items.size() : std::min<size_t>(index, w->items.size());
  w->items.insert(w->items.begin() + static_cast<std::ptrdiff_t>(at), text);
}

void HeadlessWindowSystem::ListDeleteString(WindowHandle list, int index) {
  HeadlessWindow* w = Find(list);
  if (w == nullptr || index < 0 || index >= static_cast<int>(w->items.size())) return;
  w->items.erase(w->items.begin() + index);
  if (w->selection >= static_cast<int>(w->items.size())) w->selection = -1;
}

void HeadlessWindowSystem::ListReset(WindowHandle list) {
  if (HeadlessWindow* w = Find(list)) {
    w->items.clear();
    w->selection = -1;
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
  HeadlessWindow* w = Find(list);
  if (w == nullptr) return;
  w->selection = index >= 0 && index < static_cast<int>(w->items.size()) ? index : -1;
}

std::optional<int> HeadlessWindowSystem::ListItemFromPoint(WindowHandle list, Point client) {
  const HeadlessWindow* w = Find(list);
  if (w == nullptr || w->items.empty() || !ClientRect(list).Contains(client)) return std::nullopt;
  const int index = w->top_index + client.y / kListItemHeight;
  return std::min(index, static_cast<int>(w->items.size()) - 1);
}

Rect HeadlessWindowSystem::ListItemRect(WindowHandle list, int index) {
  const HeadlessWindow* w = Find(list);
  if (w == nullptr) return {};
  const int top = (index - w->top_index) * kListItemHeight;
  return {0, top, w->spec.rect.Width(), top + kListItemHeight};
}

void HeadlessWindowSystem::ListSetTopIndex(WindowHandle list, int index) {
  if (HeadlessWindow* w = Find(list)) w->top_index = std::max(0, index);
}

int HeadlessWindowSystem::ListTopIndex(WindowHandle list) {
  const HeadlessWindow* w = Find(list);
  return w == nullptr ? 0 : w->top_index;
}

void HeadlessWindowSystem::TrackMouse(WindowHandle, bool, bool, uint32_t) {
  ++hover_requests;
}

void HeadlessWindowSystem::BeginCaptionDrag(WindowHandle, Point client) {
  drags.push_back(client);
}

Point HeadlessWindowSystem::Origin(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (w == nullptr || w->dialog != nullptr) return {0, 0};
  const Point parent = Origin(w->parent);
  return {parent.x + w->spec.rect.left, parent.y + w->spec.rect.top};
}

Point HeadlessWindowSystem::ScreenToClient(WindowHandle window, Point screen) {
  const Point origin = Origin(window);
  return {screen.x - origin.x, screen.y - origin.y};
}

WindowHandle HeadlessWindowSystem::WindowFromPoint(Point screen) {
  // The latest control created lies on top.
  WindowHandle found = kNoWindow;
  for (const auto& [handle, window] : windows_) {
    if (window->dialog != nullptr || !window->visible) continue;
    const Point origin = Origin(handle);
    const Rect on_screen{origin.x, origin.y, origin.x + window->spec.rect.Width(),
                         origin.y + window->spec.rect.Height()};
    if (on_screen.Contains(screen)) found = handle;
  }
  return found;
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

void HeadlessWindowSystem::DeleteTrayIcon(WindowHandle) {
  tray_icon = false;
}

void HeadlessWindowSystem::TrackPopupMenu(WindowHandle window, const std::vector<MenuItem>& items,
                                          Point screen) {
  menus.push_back({window, items, screen});
}

std::optional<Rgb> HeadlessWindowSystem::ChooseColour(WindowHandle, Rgb) {
  if (colour_answers.empty()) return std::nullopt;
  const auto answer = colour_answers.front();
  colour_answers.pop_front();
  return answer;
}

void HeadlessWindowSystem::SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                                        intptr_t lparam) {
  if (std::this_thread::get_id() != owner_thread_) {
    std::lock_guard<std::mutex> lock(sent_mutex_);
    sent_.push_back(Message{window, id, wparam, lparam, {}});
    return;
  }
  const Message message{window, id, wparam, lparam, cursor};
  HeadlessWindow* w = Find(window);
  if (w != nullptr && w->dialog != nullptr) w->dialog->HandleMessage(message);
}

void HeadlessWindowSystem::PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                                        intptr_t lparam) {
  std::lock_guard<std::mutex> lock(sent_mutex_);
  sent_.push_back(Message{window, id, wparam, lparam, {}});
}

size_t HeadlessWindowSystem::PumpSent() {
  std::deque<Message> pending;
  {
    std::lock_guard<std::mutex> lock(sent_mutex_);
    pending.swap(sent_);
  }
  for (const Message& message : pending) {
    HeadlessWindow* w = Find(message.window);
    if (w != nullptr && w->dialog != nullptr) w->dialog->HandleMessage(message);
  }
  return pending.size();
}

}  // namespace vx::headless
