#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/dialog.h"
#include "ui/window_system.h"

namespace vx::headless {

// A text draw as the headless text port records it.
struct TextDraw {
  std::wstring text;
  Rect rect;
  uint32_t format = 0;
  FontSpec font;
  Rgb colour;
};

class RecordingTextPort : public TextPort {
 public:
  void DrawString(Canvas& canvas, const std::wstring& text, Rect rect, uint32_t format,
                  const FontSpec& font, Rgb colour) override;
  Rect MeasureText(const std::wstring& text, Rect rect, uint32_t format,
                   const FontSpec& font) override;

  std::vector<TextDraw> draws;
};

struct ShownBox {
  WindowHandle owner = kNoWindow;
  std::wstring text;
  std::wstring caption;
  uint32_t type = 0;
};

struct ShownBalloon {
  std::wstring text;
  std::wstring title;
  uint32_t timeout_ms = 0;
};

struct ShownMenu {
  WindowHandle window = kNoWindow;
  std::vector<MenuItem> items;
  Point at;
};

// A window or control as the headless backend keeps it.
struct HeadlessWindow {
  Dialog* dialog = nullptr;  // top-level windows only
  WindowHandle parent = kNoWindow;
  ControlSpec spec;  // controls only
  bool visible = false;
  bool tool_window = false;
  bool icons = false;
  bool enabled = true;
  int width = 0;
  int height = 0;
  std::vector<std::wstring> items;
  int selection = -1;
  int top_index = 0;
  std::optional<FontSpec> font;
  int repaints = 0;
  std::unique_ptr<MemoryCanvas> presented;
};

// Windows without a screen: tests create dialogs, send them the messages a user's actions would
// produce, answer their message boxes and modal dialogs, and read back what they did.
class HeadlessWindowSystem : public WindowSystem {
 public:
  static constexpr int kListItemHeight = 16;

  // Creates the dialog's window and runs its initialisation, without a modal loop.
  WindowHandle Open(Dialog& dialog, WindowHandle owner = kNoWindow);
  // Delivers a message as the modal loop would: pre-translation first, then the dialog.
  std::optional<intptr_t> Send(Dialog& dialog, const Message& message);
  std::optional<intptr_t> Send(Dialog& dialog, uint32_t id, uintptr_t wparam = 0,
                               intptr_t lparam = 0);
  void Click(Dialog& dialog, int x, int y);
  void MoveTo(Dialog& dialog, int x, int y);
  void Hover(Dialog& dialog, int x, int y);
  void KeyDown(Dialog& dialog, uint32_t virtual_key);

  // Answers for the next message boxes (the default answer is OK) and scripts for the next modal
  // dialogs (each runs inside that dialog's modal loop; no script ends it with Cancel).
  std::deque<int> box_answers;
  std::deque<std::function<void(Dialog&)>> modal_scripts;
  std::deque<std::optional<Rgb>> colour_answers;
  bool device_notifications_fail = false;

  // What the program did.
  RecordingTextPort text;
  std::vector<ShownBox> boxes;
  std::vector<ShownBalloon> balloons;
  std::vector<ShownMenu> menus;
  std::vector<std::wstring> opened_urls;
  std::vector<std::wstring> trace;
  std::vector<Point> drags;
  int hover_requests = 0;
  bool tray_icon = false;
  std::wstring tray_tip;
  Point cursor;

  HeadlessWindow& Get(WindowHandle window) { return *windows_.at(window); }
  bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
  // The child controls of a window, in creation order.
  std::vector<WindowHandle> Controls(WindowHandle parent) const;
  // The canvas last copied to the window, or null.
  const MemoryCanvas* Presented(WindowHandle window) const;

  WindowHandle CreateDialogWindow(Dialog& dialog, const DialogTemplate& templ,
                                  WindowHandle owner) override;
  int RunModalLoop(Dialog& dialog) override;
  void EndModalLoop(Dialog& dialog, int result) override;
  void DestroyWindow(WindowHandle window) override;
  void ShowWindow(WindowHandle window, bool show) override;
  bool IsWindowVisible(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  void BringToForeground(WindowHandle window) override;
  void ResizeWindow(WindowHandle window, int width, int height) override;
  Rect ClientRect(WindowHandle window) override;
  void MakeToolWindow(WindowHandle window) override;
  void SetWindowIcons(WindowHandle window) override;
  std::unique_ptr<Canvas> CreateCanvas(int width, int height) override;
  TextPort& Text() override { return text; }
  void PresentCanvas(WindowHandle window, const Canvas& canvas) override;
  void DrawIconCentred(WindowHandle window) override;
  WindowHandle CreateControl(WindowHandle parent, const ControlSpec& spec) override;
  WindowHandle ControlById(WindowHandle parent, int id) override;
  int ControlId(WindowHandle control) override;
  void SetText(WindowHandle control, const std::wstring& text) override;
  std::wstring GetText(WindowHandle control) override;
  void SetControlFont(WindowHandle control, const FontSpec& font) override;
  void RepaintControl(WindowHandle control) override;
  void EnableWindow(WindowHandle control, bool enable) override;
  void SetFocus(WindowHandle control) override;
  WindowHandle FocusedWindow() override { return focus_; }
  void ListAddString(WindowHandle list, const std::wstring& text) override;
  void ListInsertString(WindowHandle list, int index, const std::wstring& text) override;
  void ListDeleteString(WindowHandle list, int index) override;
  void ListReset(WindowHandle list) override;
  int ListCount(WindowHandle list) override;
  std::wstring ListText(WindowHandle list, int index) override;
  int ListSelection(WindowHandle list) override;
  void ListSetSelection(WindowHandle list, int index) override;
  std::optional<int> ListItemFromPoint(WindowHandle list, Point client) override;
  Rect ListItemRect(WindowHandle list, int index) override;
  void ListSetTopIndex(WindowHandle list, int index) override;
  int ListTopIndex(WindowHandle list) override;
  void TrackMouse(WindowHandle window, bool hover, bool leave, uint32_t hover_ms) override;
  void BeginCaptionDrag(WindowHandle window, Point client) override;
  Point CursorPosition() override { return cursor; }
  Point ScreenToClient(WindowHandle window, Point screen) override;
  WindowHandle WindowFromPoint(Point screen) override;
  int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                     uint32_t type) override;
  bool AddTrayIcon(WindowHandle window, const std::wstring& tip) override;
  void ShowTrayBalloon(WindowHandle window, const std::wstring& text, const std::wstring& title,
                       uint32_t timeout_ms) override;
  void DeleteTrayIcon(WindowHandle window) override;
  void TrackPopupMenu(WindowHandle window, const std::vector<MenuItem>& items,
                      Point screen) override;
  void OpenUrl(const std::wstring& url) override { opened_urls.push_back(url); }
  std::optional<Rgb> ChooseColour(WindowHandle owner, Rgb initial) override;
  bool RegisterDeviceNotifications(WindowHandle) override { return !device_notifications_fail; }
  void DebugTrace(const std::wstring& line) override { trace.push_back(line); }
  // On the test's thread the message is handled at once; from another thread it waits in a
  // queue until the test pumps it, so a worker never runs dialog code concurrently.
  void SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  void PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  // Handles the messages other threads sent and the posted ones; returns how many.
  size_t PumpSent();

 private:
  HeadlessWindow* Find(WindowHandle window);
  // Top-left of a window in screen coordinates: controls sit at their rectangles in the parent,
  // dialogs at the screen origin.
  Point Origin(WindowHandle window);

  std::map<WindowHandle, std::unique_ptr<HeadlessWindow>> windows_;
  std::map<Dialog*, std::optional<int>> modal_results_;
  std::thread::id owner_thread_ = std::this_thread::get_id();
  std::mutex sent_mutex_;
  std::deque<Message> sent_;
  WindowHandle next_handle_ = 0x1000;
  WindowHandle focus_ = kNoWindow;
};

}  // namespace vx::headless
