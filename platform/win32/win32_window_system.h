#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/dialog_brushes.h"
#include "platform/win32/gdi_font.h"
#include "ui/dialog.h"
#include "ui/window_system.h"

namespace vx {

// Real windows: the program's dialogs run on the system's dialog manager with our own modal loop,
// which lets each dialog pre-translate messages first.
class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(HINSTANCE instance);
  ~Win32WindowSystem() override;

  // "VX17Class", a copy of the system dialog class; false when it cannot be registered.
  bool RegisterMainWindowClass();

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
  TextPort& Text() override;
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
  void SetFocus(WindowHandle control) override;
  WindowHandle FocusedWindow() override;
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
  void ListScrollLines(WindowHandle list, int lines) override;
  int ListTopIndex(WindowHandle list) override;
  void TrackMouse(WindowHandle window, bool hover, bool leave, uint32_t hover_ms) override;
  void BeginCaptionDrag(WindowHandle window, Point client) override;
  Point CursorPosition() override;
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
  void OpenUrl(const std::wstring& url) override;
  std::optional<Rgb> ChooseColour(WindowHandle owner, Rgb initial) override;
  std::optional<std::wstring> ChooseFileToOpen(WindowHandle owner,
                                               const FileFilter& filter) override;
  std::optional<std::wstring> ChooseFileToSave(WindowHandle owner, const FileFilter& filter,
                                               const std::wstring& suggested_name) override;
  bool RegisterDeviceNotifications(WindowHandle window) override;
  void SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  void PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  HookInstall InstallKeyboardHook(std::function<void(const HookedKey&)> handler) override;
  void SetTimer(WindowHandle window, int id, uint32_t ms) override;
  void KillTimer(WindowHandle window, int id) override;
  void DebugTrace(const std::wstring& line) override;

  // One message as the modal loop handles it: the dialog's pre-translation, the dialog manager,
  // then the window's procedure. Tests drive the dialogs through it too.
  void DispatchModalMessage(Dialog& dialog, MSG& msg);
  // The dialog of the innermost modal loop that runs, or null.
  Dialog* InnermostModalDialog() const;

  // For the dialog procedure.
  INT_PTR ControlColour(Dialog& dialog, UINT message, HDC dc, HWND control);
  // The window is gone: so are its brushes and its scale.
  void ForgetWindow(HWND window);
  // The window has moved to a screen of that scale: its controls take their places and fonts at
  // it, and the window the rectangle the system suggests.
  void ChangeScale(HWND window, DisplayScale scale, const RECT* suggested);
  HICON icon() const { return icon_; }
  UINT taskbar_created() const { return taskbar_created_; }

 private:
  struct ModalState {
    bool ended = false;
    int result = kIdCancel;
  };

  HFONT FontFor(const FontSpec& font);
  bool PreTranslate(Dialog& dialog, const MSG& msg);

  HINSTANCE instance_;
  HICON icon_;
  std::unique_ptr<TextPort> text_;
  std::map<Dialog*, ModalState> modal_;
  std::vector<Dialog*> running_;  // the modal loops that run, the innermost last
  UINT taskbar_created_;
  DialogBrushes brushes_;
  std::map<HWND, std::wstring> tray_tips_;
  GdiFontCache fonts_;
  std::map<HWND, DisplayScale> scales_;     // of the dialogs
  std::map<HWND, FontSpec> control_fonts_;  // in layout units, for a change of scale
};

}  // namespace vx
