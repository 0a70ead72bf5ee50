#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/clock_port.h"
#include "platform/headless/headless_window.h"
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

// Windows without a screen: tests create dialogs, send them the messages a user's actions would
// produce, answer their message boxes and modal dialogs, and read back what they did.
class HeadlessWindowSystem : public WindowSystem {
 public:
  // The scale the system gives a window without an owner (an owned one takes its owner's).
  DisplayScale system_scale;
  // The dialog's window moves to a screen of that scale: its controls and its size are scaled
  // anew and the dialog hears of it, as from the system's DPI change message.
  void MoveToScreenOfScale(Dialog& dialog, DisplayScale scale);

  // Creates the dialog's window and runs its initialisation, without a modal loop.
  WindowHandle Open(Dialog& dialog, WindowHandle owner = kNoWindow);
  // Delivers a message as the modal loop would: pre-translation first, then the dialog.
  std::optional<intptr_t> Send(Dialog& dialog, const Message& message);
  std::optional<intptr_t> Send(Dialog& dialog, uint32_t id, uintptr_t wparam = 0,
                               intptr_t lparam = 0);

  // The user's input at a point of the dialog's client area, in device pixels. Each message goes to
  // the window that WindowFromPoint finds there, pre-translated by the dialog first as in the modal
  // loop; then the posted messages are handled, as the loop would next. A disabled dialog (the
  // owner of a running modal loop) gets no input, mouse or keys.
  void Click(Dialog& dialog, int x, int y);        // button down and up
  void DoubleClick(Dialog& dialog, int x, int y);  // down, up, double click, up
  void MoveTo(Dialog& dialog, int x, int y);
  void Wheel(Dialog& dialog, int x, int y, int delta);
  // The hover that the dialog's mouse tracking asked for.
  void Hover(Dialog& dialog, int x, int y);
  // A key-down message, as if posted to the focused control of the dialog, else the dialog; the
  // dialog manager turns Enter and Escape into OK and Cancel.
  void KeyDown(Dialog& dialog, uint32_t virtual_key);
  // A key event from the keyboard: the keyboard hook sees it first, as the system's does; then
  // it goes to the focused control, else to the dialog in its system form.
  void Key(Dialog& dialog, const HookedKey& key);

  // Answers for the next message boxes (the default answer is OK) and scripts for the next modal
  // dialogs (each runs inside that dialog's modal loop; no script ends it with Cancel).
  std::deque<int> box_answers;
  std::deque<std::function<void(Dialog&)>> modal_scripts;
  std::deque<std::optional<Rgb>> colour_answers;
  // The user's choice in the next file dialogs; none left is a cancel.
  std::deque<std::optional<std::wstring>> file_answers;
  bool device_notifications_fail = false;

  // Timers run on a time of the headless system's own, which only the test moves on: each
  // timer fires as its time comes, through its dialog's pre-translation as in the modal loop,
  // the time standing at its due moment. Returns how many timer messages were handled.
  size_t AdvanceTime(uint64_t ms);
  // That time, for the program's clock port.
  ClockPort& clock() { return clock_; }
  // The period of a timer that is set.
  std::optional<uint32_t> TimerPeriod(WindowHandle window, int id) const;

  // What the program did.
  RecordingTextPort text;
  std::vector<ShownBox> boxes;
  std::vector<ShownBalloon> balloons;
  std::vector<ShownMenu> menus;
  std::vector<std::wstring> opened_urls;
  std::vector<std::wstring> trace;
  std::vector<Point> drags;
  int hover_requests = 0;
  std::vector<WindowHandle> brought_to_front;
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
  WindowHandle InnermostModalWindow() override;
  void DestroyWindow(WindowHandle window) override;
  void ShowWindow(WindowHandle window, bool show) override;
  bool IsWindowVisible(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  void BringToForeground(WindowHandle window) override;
  void ResizeWindow(WindowHandle window, int width, int height) override;
  Rect ClientRect(WindowHandle window) override;
  void MakeToolWindow(WindowHandle window) override;
  void SetWindowIcons(WindowHandle window) override;
  DisplayScale Scale(WindowHandle window) override;
  std::unique_ptr<Canvas> CreateCanvas(int width, int height, DisplayScale scale) override;
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
  bool IsWindowEnabled(WindowHandle window) override;
  void SetFocus(WindowHandle window) override;
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
  void ListScrollLines(WindowHandle list, int lines) override;
  void TrackMouse(WindowHandle window, bool hover, bool leave, uint32_t hover_ms) override;
  void BeginCaptionDrag(WindowHandle window, Point client) override;
  Point CursorPosition() override { return cursor; }
  Point ScreenToClient(WindowHandle window, Point screen) override;
  WindowHandle WindowFromPoint(Point screen) override;
  int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                     uint32_t type) override;
  bool AddTrayIcon(WindowHandle window, const std::wstring& tip) override;
  void SetTrayTip(WindowHandle window, const std::wstring& tip) override;
  void ShowTrayBalloon(WindowHandle window, const std::wstring& text, const std::wstring& title,
                       uint32_t timeout_ms) override;
  void DeleteTrayIcon(WindowHandle window) override;
  void TrackPopupMenu(WindowHandle window, const std::vector<MenuItem>& items,
                      Point screen) override;
  void OpenUrl(const std::wstring& url) override { opened_urls.push_back(url); }
  std::optional<Rgb> ChooseColour(WindowHandle owner, Rgb initial) override;
  std::optional<std::wstring> ChooseFileToOpen(WindowHandle owner,
                                               const FileFilter& filter) override;
  std::optional<std::wstring> ChooseFileToSave(WindowHandle owner, const FileFilter& filter,
                                               const std::wstring& suggested_name) override;
  // The file dialogs shown: "open PATTERN" or "save PATTERN NAME".
  std::vector<std::wstring> file_dialogs;
  bool RegisterDeviceNotifications(WindowHandle) override { return !device_notifications_fail; }
  HookInstall InstallKeyboardHook(std::function<void(const HookedKey&)> handler) override;
  bool keyboard_hook_fails = false;
  uint32_t keyboard_hook_error = 5;
  bool HasKeyboardHook() const { return static_cast<bool>(keyboard_hook_); }
  void DebugTrace(const std::wstring& line) override { trace.push_back(line); }
  void SetTimer(WindowHandle window, int id, uint32_t ms) override;
  void KillTimer(WindowHandle window, int id) override;
  // On the test's thread the message is handled at once. From another thread it waits in a
  // queue until the test's thread pumps it, and the sender waits until it has been handled, as
  // with the system's SendMessage; so a worker never runs dialog code concurrently. A send to a
  // window that does not exist, or is destroyed before its turn, returns unhandled.
  void SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  void PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  // Handles the messages other threads sent and the posted ones (pre-translated as the modal loop
  // would), until none is left; returns how many.
  size_t PumpSent();
  // Pumps, waiting for messages between pumps, until done() holds or the time-out has passed;
  // returns done(). Only handled messages should change what done() looks at.
  bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
  // Waits, without pumping and at most the time-out, until another thread waits in SendToWindow.
  bool WaitForBlockedSender(std::chrono::milliseconds timeout);

 private:
  struct Queued {
    Message message;
    bool posted = false;
    bool* handled = nullptr;  // the waiting sender's, for a message another thread sent
  };
  struct Timer {
    uint32_t period = 0;
    uint64_t due = 0;
  };
  class Clock : public ClockPort {
   public:
    explicit Clock(const uint64_t& now) : now_(now) {}
    uint64_t NowMs() override { return now_; }

   private:
    const uint64_t& now_;
  };

  HeadlessWindow* Find(WindowHandle window);
  Dialog* DialogOf(WindowHandle window);
  bool Contains(WindowHandle outer, WindowHandle inner);
  // Top-left of a window's client area in screen coordinates: controls sit at their rectangles
  // in the parent, dialogs at the screen origin.
  Point Origin(WindowHandle window);
  Point DeviceScreenToClient(WindowHandle window, Point screen);
  WindowHandle ControlFromPoint(WindowHandle parent, Point screen);
  void FocusFirstControl(WindowHandle dialog);
  // Where the dialog's keys go: its focused control, else the dialog itself.
  WindowHandle KeyTarget(Dialog& dialog);
  // Only the innermost running loop pre-translates, and only its own dialog's messages; without
  // a loop, each dialog pre-translates its own, as its loop would.
  bool PreTranslates(Dialog& dialog, const Message& message);
  bool TakesInput(Dialog& dialog);

  void MouseInput(Dialog& dialog, uint32_t id, uintptr_t wparam, Point client);
  void Deliver(Dialog& dialog, const Message& message);
  void Dispatch(const Message& message);
  void DeliverKey(Dialog& dialog, const Message& message);
  void DialogManagerKey(Dialog& dialog, const Message& message);
  void ListMouse(WindowHandle list, const Message& message);
  void SendCommand(WindowHandle control, int code);
  void MoveFocus(WindowHandle to);
  void ForgetTimers(WindowHandle window);
  // Other threads may send to a window from its creation until its destruction, which lets go of
  // the senders still waiting for it.
  void TakeMessagesFor(WindowHandle window);
  void DropMessagesFor(const std::vector<WindowHandle>& windows);
  void Handled(const Queued& queued);

  std::map<WindowHandle, std::unique_ptr<HeadlessWindow>> windows_;
  std::map<Dialog*, std::optional<int>> modal_results_;
  std::thread::id owner_thread_ = std::this_thread::get_id();
  std::mutex queue_mutex_;
  std::condition_variable queue_changed_;
  std::deque<Queued> queue_;
  std::set<WindowHandle> receiving_;
  WindowHandle next_handle_ = 0x1000;
  WindowHandle focus_ = kNoWindow;
  std::vector<Dialog*> running_;  // the modal loops that run, the innermost last
  std::function<void(const HookedKey&)> keyboard_hook_;
  uint64_t now_ms_ = 0;
  Clock clock_{now_ms_};
  std::map<std::pair<WindowHandle, int>, Timer> timers_;
};

}  // namespace vx::headless
