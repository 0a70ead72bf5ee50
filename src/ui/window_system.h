#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/canvas.h"
#include "ui/geometry.h"
#include "ui/text_port.h"
#include "ui/window_messages.h"

namespace vx {

class Dialog;

enum class ControlKind { kListBox, kEdit, kStatic };

// Styles of the child controls the pages create; the backends map them to the system's bits.
enum ControlStyle : uint32_t {
  kStyleVisible = 1u << 0,
  kStyleBorder = 1u << 1,
  kStyleNotify = 1u << 2,  // a list box that reports selection changes and double clicks
  kStyleVScroll = 1u << 3,
  kStyleCentre = 1u << 4,      // centred text (edit and static)
  kStyleNumber = 1u << 5,      // an edit box that takes digits only
  kStyleAutoScroll = 1u << 6,  // an edit box that scrolls horizontally
  kStyleSunken = 1u << 7,      // a static text with a sunken edge
};

// A child control, created on top of its siblings. The font sizes its items, hit-testing and
// caret; without one the control keeps the system's font.
struct ControlSpec {
  ControlKind kind = ControlKind::kStatic;
  int id = 0;
  Rect rect;
  uint32_t style = kStyleVisible;
  std::wstring text;
  std::optional<FontSpec> font;
};

// What a dialog template says about the window before its background image sizes it.
struct DialogTemplate {
  int resource_id = 0;
  bool main_window = false;  // the main dialog: window class "VX17Class", centred
  bool thin_border = false;
};

// The files a file dialog offers: one pattern ("*.vxprofile") under its description, and the
// extension (without its dot) a typed name gets.
struct FileFilter {
  std::wstring description;
  std::wstring pattern;
  std::wstring extension;
};

enum MessageBoxType : uint32_t { kBoxOk = 0x0, kBoxOkCancel = 0x1, kBoxYesNo = 0x4 };
enum DialogResult : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// A pop-up menu's line: a command, a separator (no text), or a submenu (its command unused).
struct MenuItem {
  int command = 0;
  std::wstring text;
  bool checked = false;
  std::vector<MenuItem> submenu;
};

inline MenuItem CommandItem(int command, std::wstring text, bool checked = false) {
  MenuItem item;
  item.command = command;
  item.text = std::move(text);
  item.checked = checked;
  return item;
}
inline MenuItem SubmenuItem(std::wstring text, std::vector<MenuItem> submenu) {
  MenuItem item;
  item.text = std::move(text);
  item.submenu = std::move(submenu);
  return item;
}
inline MenuItem SeparatorItem() {
  return MenuItem{};
}

// The colours a child control is painted with; returned by the control-colour handler.
struct ControlColours {
  std::optional<Rgb> text;
  bool transparent = false;
  // The text background colour: of opaque text, and of the items edit and list boxes draw.
  std::optional<Rgb> background;
  std::optional<Rgb> brush;       // none: the system's default brush for the control's class
  std::optional<FontSpec> font;   // selected into the control's device context
  bool hollow_brush = false;      // paints no background, so the skin shows through
};

// A key message as the window thread's keyboard hook sees it, before it is dispatched.
struct HookedKey {
  uint32_t message = 0;     // key down or up, plain or system
  uintptr_t virtual_key = 0;
  intptr_t key_data = 0;    // the message's lParam: repeat count, scan code, flags
  std::wstring name;        // the system's name of the key, at most 31 characters
};

// An installed keyboard hook; removed when this goes.
class KeyboardHook {
 public:
  virtual ~KeyboardHook() = default;
};

struct HookInstall {
  std::unique_ptr<KeyboardHook> hook;  // none when it could not be installed
  uint32_t error = 0;                  // the system's error code then
};

// The window system as the program's windows use it. The Win32 backend makes real windows;
// the headless one lets tests drive the same dialogs and read back what they did.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Top-level dialogs. Create builds the window (an owned one at the owner's client origin) and
  // delivers the init message; when that answers true, the focus goes to the dialog as SetFocus
  // gives it. The modal loop pre-translates the messages of its own dialog and controls before
  // the dialog manager sees them, and dispatches other windows' messages as they are. It
  // disables the owner while it runs and then gives it back its earlier state. It ends with
  // EndModalLoop's result, or when its window is destroyed (with Cancel, unless ended).
  virtual WindowHandle CreateDialogWindow(Dialog& dialog, const DialogTemplate& templ,
                                          WindowHandle owner) = 0;
  virtual int RunModalLoop(Dialog& dialog) = 0;
  virtual void EndModalLoop(Dialog& dialog, int result) = 0;
  // The window of the innermost modal loop that runs; kNoWindow when none does.
  virtual WindowHandle InnermostModalWindow() = 0;
  virtual void DestroyWindow(WindowHandle window) = 0;
  virtual void ShowWindow(WindowHandle window, bool show) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual void BringToForeground(WindowHandle window) = 0;
  // Gives the window a client area of width x height, its frame around it, without moving it or
  // changing its z-order.
  virtual void ResizeWindow(WindowHandle window, int width, int height) = 0;
  virtual Rect ClientRect(WindowHandle window) = 0;
  virtual void MakeToolWindow(WindowHandle window) = 0;
  virtual void SetWindowIcons(WindowHandle window) = 0;

  // The scale of a window, a control's being its dialog's: the system's when it is created, its
  // owner's for an owned dialog, and the new one when it moves to a screen of another scale.
  // Every rectangle, size, client point and font of this interface is in layout units and
  // turned into device pixels by it; screen points (the cursor, menus, WindowFromPoint) and
  // the points of mouse messages are the system's device pixels.
  virtual DisplayScale Scale(WindowHandle window) = 0;

  // Drawing: a canvas of the system's kind (in device pixels), its text, and the copy of a
  // canvas to the window.
  virtual std::unique_ptr<Canvas> CreateCanvas(int width, int height, DisplayScale scale) = 0;
  virtual TextPort& Text() = 0;
  virtual void PresentCanvas(WindowHandle window, const Canvas& canvas) = 0;
  virtual void DrawIconCentred(WindowHandle window) = 0;

  // Child controls with fixed ids and rectangles.
  virtual WindowHandle CreateControl(WindowHandle parent, const ControlSpec& spec) = 0;
  virtual WindowHandle ControlById(WindowHandle parent, int id) = 0;
  virtual int ControlId(WindowHandle control) = 0;
  virtual void SetText(WindowHandle control, const std::wstring& text) = 0;
  virtual std::wstring GetText(WindowHandle control) = 0;
  virtual void SetControlFont(WindowHandle control, const FontSpec& font) = 0;
  // Paints the control again, asking its colours anew.
  virtual void RepaintControl(WindowHandle control) = 0;
  // Disabling the focused control leaves no focus, as destroying it does. Keys then come to the
  // active dialog as system keys, without the Alt bit.
  virtual void EnableWindow(WindowHandle control, bool enable) = 0;
  virtual bool IsWindowEnabled(WindowHandle window) = 0;
  // A dialog that gains the focus hands it on to its topmost visible, enabled control, as the
  // system's dialog procedure does; it keeps the focus only when it has no such control.
  virtual void SetFocus(WindowHandle control) = 0;
  virtual WindowHandle FocusedWindow() = 0;
  virtual void ListAddString(WindowHandle list, const std::wstring& text) = 0;
  virtual void ListInsertString(WindowHandle list, int index, const std::wstring& text) = 0;
  virtual void ListDeleteString(WindowHandle list, int index) = 0;
  virtual void ListReset(WindowHandle list) = 0;
  virtual int ListCount(WindowHandle list) = 0;
  virtual std::wstring ListText(WindowHandle list, int index) = 0;
  virtual int ListSelection(WindowHandle list) = 0;  // -1: none
  virtual void ListSetSelection(WindowHandle list, int index) = 0;
  // The item under a point of the list's client area; nullopt outside the client area, below the
  // last item and for an empty list. Items are as high as the list's font.
  virtual std::optional<int> ListItemFromPoint(WindowHandle list, Point client) = 0;
  // In the list's client coordinates.
  virtual Rect ListItemRect(WindowHandle list, int index) = 0;
  // Clamped, so that the last page of items stays full.
  virtual void ListSetTopIndex(WindowHandle list, int index) = 0;
  // Scrolls by lines, as the scroll bar's arrows do: up for negative, down for positive.
  virtual void ListScrollLines(WindowHandle list, int lines) = 0;
  virtual int ListTopIndex(WindowHandle list) = 0;

  // Pointer.
  virtual void TrackMouse(WindowHandle window, bool hover, bool leave, uint32_t hover_ms) = 0;
  virtual void BeginCaptionDrag(WindowHandle window, Point client) = 0;
  virtual Point CursorPosition() = 0;
  virtual Point ScreenToClient(WindowHandle window, Point screen) = 0;
  // The window that input at the point reaches: the topmost visible child control that takes
  // input (not a disabled one, nor a static text, which lets clicks through), else the dialog.
  virtual WindowHandle WindowFromPoint(Point screen) = 0;

  // Shell and system.
  virtual int ShowMessageBox(WindowHandle owner, const std::wstring& text,
                             const std::wstring& caption, uint32_t type) = 0;
  virtual bool AddTrayIcon(WindowHandle window, const std::wstring& tip) = 0;
  virtual void ShowTrayBalloon(WindowHandle window, const std::wstring& text,
                               const std::wstring& title, uint32_t timeout_ms) = 0;
  virtual void DeleteTrayIcon(WindowHandle window) = 0;
  virtual void SetTrayTip(WindowHandle window, const std::wstring& tip) = 0;
  // Shows a pop-up menu at a screen point; the chosen command arrives as a command message.
  virtual void TrackPopupMenu(WindowHandle window, const std::vector<MenuItem>& items,
                              Point screen) = 0;
  virtual void OpenUrl(const std::wstring& url) = 0;
  virtual std::optional<Rgb> ChooseColour(WindowHandle owner, Rgb initial) = 0;
  // The system's dialogs for a file to open (it must exist) or a name to save under (a file of
  // that name is replaced only once the user agrees); nothing when the user cancels.
  virtual std::optional<std::wstring> ChooseFileToOpen(WindowHandle owner,
                                                       const FileFilter& filter) = 0;
  virtual std::optional<std::wstring> ChooseFileToSave(WindowHandle owner, const FileFilter& filter,
                                                       const std::wstring& suggested_name) = 0;
  virtual bool RegisterDeviceNotifications(WindowHandle window) = 0;
  // A message handled by the window before this returns; from any thread (the event reader
  // hands its notifications over this way).
  virtual void SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                            intptr_t lparam) = 0;
  // A message queued for the window's message loop.
  virtual void PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                            intptr_t lparam) = 0;
  // A thread keyboard hook of the window thread: the handler sees every key the keyboard gives
  // the thread (posted key messages are not seen), before it is dispatched, inside message boxes
  // and the colour dialog too, and the key then goes on as usual.
  virtual HookInstall InstallKeyboardHook(std::function<void(const HookedKey&)> handler) = 0;

  // Timers of a window: every ms milliseconds a timer message with the id comes through the
  // window's message loop, pre-translated as its other messages are; one that fell due more
  // than once while the loop was busy comes once. Setting an id again restarts it with the new
  // period; a destroyed window's timers end with it.
  virtual void SetTimer(WindowHandle window, int id, uint32_t ms) = 0;
  virtual void KillTimer(WindowHandle window, int id) = 0;

  // The debug trace (OutputDebugStringW): what the user was shown, and the diagnostic lines.
  virtual void DebugTrace(const std::wstring& line) = 0;
};

}  // namespace vx
