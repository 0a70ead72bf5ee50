// The one dialog procedure of every window of the program, and the Win32 window system.
#include <windows.h>
// windows.h first: the shell and device headers build on its types.
#include <commdlg.h>
#include <dbt.h>
#include <shellapi.h>

#include <cstddef>
#include <cstdlib>

#include "device/device_broadcast.h"
#include "platform/system_drawing.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/gdi_font.h"
#include "platform/win32/keyboard_hook.h"
#include "platform/win32/scoped_gdi.h"
#include "platform/win32/system_library.h"
#include "platform/win32/win32_window_system.h"

namespace vx {

namespace {

constexpr int kIconResource = 710;

// The tray record up to and including its GUID member, without the balloon icon handle.
constexpr DWORD kTrayRecordSize = offsetof(NOTIFYICONDATAW, hBalloonIcon);
static_assert(sizeof(void*) != 8 || kTrayRecordSize == 968);

HWND AsHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle AsHandle(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

Dialog* DialogOf(HWND window) {
  return reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
}

Win32WindowSystem* g_system = nullptr;

// A window's device context, given back at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The system's device broadcast, reduced to what the device link looks at.
DeviceBroadcast BroadcastFrom(LPARAM lparam) {
  DeviceBroadcast broadcast;
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lparam);
  if (header == nullptr) return broadcast;
  broadcast.device_type = header->dbch_devicetype;
  if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
    broadcast.name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header)->dbcc_name;
  }
  return broadcast;
}

// The template's origin alone would put the client area there, and the system would shift the
// window to fit its template size on the screen, a size the dialogs soon trade for their
// background's.
void PlaceAtOwnerClientOrigin(HWND window, HWND owner) {
  POINT origin{0, 0};
  ClientToScreen(owner, &origin);
  SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR Result(HWND window, intptr_t result) {
  SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<Dialog*>(lparam);
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    dialog->Attach(AsHandle(window));
    const auto result = dialog->HandleMessage({AsHandle(window), kMsgInitDialog, wparam, 0, {}});
    return result.value_or(TRUE);
  }
  if (message == WM_NCDESTROY) g_system->ForgetWindow(window);
  Dialog* dialog = DialogOf(window);
  if (dialog == nullptr) return FALSE;
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return g_system->ControlColour(*dialog, message, reinterpret_cast<HDC>(wparam),
                                     reinterpret_cast<HWND>(lparam));
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(g_system->icon());
    case WM_DPICHANGED: {
      g_system->ChangeScale(window, {LOWORD(wparam)}, reinterpret_cast<const RECT*>(lparam));
      const auto result = dialog->HandleMessage({AsHandle(window), kMsgDpiChanged, wparam, 0, {}});
      return result ? Result(window, *result) : FALSE;
    }
    case WM_DEVICECHANGE: {
      const DeviceBroadcast broadcast = BroadcastFrom(lparam);
      const auto result = dialog->HandleMessage(
          {AsHandle(window), kMsgDeviceChange, wparam, reinterpret_cast<intptr_t>(&broadcast), {}});
      return result ? Result(window, *result) : FALSE;
    }
    default: {
      const UINT id = message == g_system->taskbar_created() ? kMsgTaskbarCreated : message;
      const auto result = dialog->HandleMessage({AsHandle(window), id, wparam, lparam, {}});
      return result ? Result(window, *result) : FALSE;
    }
  }
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance)
    : instance_(instance),
      icon_(LoadIconW(instance, MAKEINTRESOURCEW(kIconResource))),
      text_(CreateGdiTextPort()),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {
  g_system = this;
}

Win32WindowSystem::~Win32WindowSystem() {
  g_system = nullptr;
}

bool Win32WindowSystem::RegisterMainWindowClass() {
  WNDCLASSEXW dialog_class{};
  dialog_class.cbSize = sizeof(dialog_class);
  if (!GetClassInfoExW(nullptr, WC_DIALOG, &dialog_class)) return false;
  dialog_class.hInstance = instance_;
  dialog_class.lpszClassName = kMainWindowClass;
  return RegisterClassExW(&dialog_class) != 0;
}

WindowHandle Win32WindowSystem::CreateDialogWindow(Dialog& dialog, const DialogTemplate& templ,
                                                   WindowHandle owner) {
  // Before the window exists: its initialisation may already end the dialog.
  modal_[&dialog] = ModalState{};
  const std::vector<WORD> words = BuildDialogTemplate(templ);
  HWND window =
      CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()),
                                 AsHwnd(owner), DialogProcedure, reinterpret_cast<LPARAM>(&dialog));
  if (window == nullptr) return kNoWindow;
  // The program runs elevated; the shell's message would be filtered out otherwise.
  ChangeWindowMessageFilterEx(window, taskbar_created_, MSGFLT_ALLOW, nullptr);
  if (owner != kNoWindow && !templ.main_window) PlaceAtOwnerClientOrigin(window, AsHwnd(owner));
  return AsHandle(window);
}

bool Win32WindowSystem::PreTranslate(Dialog& dialog, const MSG& msg) {
  const HWND window = AsHwnd(dialog.window());
  if (msg.hwnd != window && !IsChild(window, msg.hwnd)) return false;
  return dialog.PreTranslateMessage(
      {AsHandle(msg.hwnd), msg.message, msg.wParam, msg.lParam, {msg.pt.x, msg.pt.y}});
}

int Win32WindowSystem::RunModalLoop(Dialog& dialog) {
  const HWND window = AsHwnd(dialog.window());
  if (window == nullptr) return -1;
  const HWND owner = GetWindow(window, GW_OWNER);
  // A nested loop may find the owner disabled by an outer one; it stays so until that one ends.
  const bool owner_was_enabled = owner != nullptr && ::IsWindowEnabled(owner);
  if (owner_was_enabled) ::EnableWindow(owner, FALSE);
  // The key-function dialogs' templates are not visible: they are shown when their loop starts.
  if (!modal_[&dialog].ended && !dialog.dialog_template().main_window) {
    ::ShowWindow(window, SW_SHOWNORMAL);
  }
  running_.push_back(&dialog);
  MSG msg{};
  // A window destroyed without EndDialog ends its loop too, or the owner would stay disabled.
  while (!modal_[&dialog].ended && IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    DispatchModalMessage(dialog, msg);
  }
  // The owner is enabled again before this window goes, so activation returns to it.
  if (owner_was_enabled) ::EnableWindow(owner, TRUE);
  running_.pop_back();
  const int result = modal_[&dialog].result;
  modal_.erase(&dialog);
  return result;
}

WindowHandle Win32WindowSystem::InnermostModalWindow() {
  return running_.empty() ? kNoWindow : running_.back()->window();
}

Dialog* Win32WindowSystem::InnermostModalDialog() const {
  return running_.empty() ? nullptr : running_.back();
}

void Win32WindowSystem::DispatchModalMessage(Dialog& dialog, MSG& msg) {
  if (PreTranslate(dialog, msg) || IsDialogMessageW(AsHwnd(dialog.window()), &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32WindowSystem::EndModalLoop(Dialog& dialog, int result) {
  ModalState& state = modal_[&dialog];
  state.ended = true;
  state.result = result;
  PostMessageW(AsHwnd(dialog.window()), WM_NULL, 0, 0);
}

void Win32WindowSystem::DestroyWindow(WindowHandle window) {
  const HWND hwnd = AsHwnd(window);
  // Otherwise the focus would go to the dialog, which hands it on to one of its controls.
  const HWND focus = ::GetFocus();
  if (focus != nullptr && (focus == hwnd || IsChild(hwnd, focus))) ::SetFocus(nullptr);
  ::DestroyWindow(hwnd);
}

// A shown window is painted, its controls too, before the call returns: the caller's next step
// (and its trace) comes after a finished window, not before its first paint.
void Win32WindowSystem::ShowWindow(WindowHandle window, bool show) {
  const HWND hwnd = AsHwnd(window);
  ::ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
  if (show) RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Win32WindowSystem::IsWindowVisible(WindowHandle window) {
  return ::IsWindowVisible(AsHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsIconic(WindowHandle window) {
  return ::IsIconic(AsHwnd(window));
}

void Win32WindowSystem::BringToForeground(WindowHandle window) {
  SetForegroundWindow(AsHwnd(window));
}

// The skin images fill the client area; a bordered dialog's frame goes around them.
void Win32WindowSystem::ResizeWindow(WindowHandle window, int width, int height) {
  const HWND hwnd = AsHwnd(window);
  const DisplayScale scale = Scale(window);
  RECT rect{0, 0, ToDevice(width, scale), ToDevice(height, scale)};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32WindowSystem::ClientRect(WindowHandle window) {
  RECT rect{};
  GetClientRect(AsHwnd(window), &rect);
  return ToLayout(Rect{rect.left, rect.top, rect.right, rect.bottom}, Scale(window));
}

void Win32WindowSystem::MakeToolWindow(WindowHandle window) {
  const LONG_PTR style = GetWindowLongPtrW(AsHwnd(window), GWL_EXSTYLE);
  SetWindowLongPtrW(AsHwnd(window), GWL_EXSTYLE, (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
}

void Win32WindowSystem::SetWindowIcons(WindowHandle window) {
  SendMessageW(AsHwnd(window), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(AsHwnd(window), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

std::unique_ptr<Canvas> Win32WindowSystem::CreateCanvas(int width, int height, DisplayScale scale) {
  return CreateDibCanvas(width, height, scale);
}

TextPort& Win32WindowSystem::Text() {
  return *text_;
}

void Win32WindowSystem::PresentCanvas(WindowHandle window, const Canvas& canvas) {
  const auto& dib = static_cast<const DibCanvas&>(canvas);
  const HWND hwnd = AsHwnd(window);
  RECT client{};
  GetClientRect(hwnd, &client);
  WindowDc target(hwnd);
  ScopedDc source(CreateCompatibleDC(target.get()));
  ScopedSelectObject selection(source.get(), dib.bitmap());
  BitBlt(target.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
}

void Win32WindowSystem::DrawIconCentred(WindowHandle window) {
  const HWND hwnd = AsHwnd(window);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  SendMessageW(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(hwnd, &paint);
}

WindowHandle Win32WindowSystem::CreateControl(WindowHandle parent, const ControlSpec& spec) {
  const wchar_t* window_class = L"STATIC";
  // Overlapping siblings paint and take clicks by their z-order.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (spec.style & kStyleVisible) style |= WS_VISIBLE;
  if (spec.style & kStyleBorder) style |= WS_BORDER;
  if (spec.style & kStyleVScroll) style |= WS_VSCROLL;
  switch (spec.kind) {
    case ControlKind::kListBox:
      window_class = L"LISTBOX";
      // The list keeps its rectangle; otherwise it shrinks to whole rows of the system font at
      // creation and again whenever its scroll bar comes or goes.
      style |= LBS_NOINTEGRALHEIGHT;
      if (spec.style & kStyleNotify) style |= LBS_NOTIFY;
      break;
    case ControlKind::kEdit:
      window_class = L"EDIT";
      if (spec.style & kStyleCentre) style |= ES_CENTER;
      if (spec.style & kStyleNumber) style |= ES_NUMBER;
      if (spec.style & kStyleAutoScroll) style |= ES_AUTOHSCROLL;
      break;
    case ControlKind::kStatic:
      if (spec.style & kStyleCentre) style |= SS_CENTER | SS_CENTERIMAGE;
      if (spec.style & kStyleSunken) style |= SS_SUNKEN;
      break;
  }
  const Rect rect = ToDevice(spec.rect, Scale(parent));
  HWND control = CreateWindowExW(0, window_class, spec.text.c_str(), style, rect.left, rect.top,
                                 rect.Width(), rect.Height(), AsHwnd(parent),
                                 reinterpret_cast<HMENU>(intptr_t{spec.id}), instance_, nullptr);
  if (control == nullptr) return kNoWindow;
  // A handle the system gives again must not keep the font of the control it named before.
  control_fonts_.erase(control);
  // The system puts new children below their siblings.
  SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (spec.font) SetControlFont(AsHandle(control), *spec.font);
  return AsHandle(control);
}

WindowHandle Win32WindowSystem::ControlById(WindowHandle parent, int id) {
  return AsHandle(GetDlgItem(AsHwnd(parent), id));
}

int Win32WindowSystem::ControlId(WindowHandle control) {
  return GetDlgCtrlID(AsHwnd(control));
}

void Win32WindowSystem::SetText(WindowHandle control, const std::wstring& text) {
  SetWindowTextW(AsHwnd(control), text.c_str());
}

std::wstring Win32WindowSystem::GetText(WindowHandle control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(AsHwnd(control))) + 1, L'\0');
  text.resize(GetWindowTextW(AsHwnd(control), text.data(), static_cast<int>(text.size())));
  return text;
}

HFONT Win32WindowSystem::FontFor(const FontSpec& font) {
  return fonts_.Get(font);
}

void Win32WindowSystem::SetControlFont(WindowHandle control, const FontSpec& font) {
  control_fonts_[AsHwnd(control)] = font;
  const FontSpec device = ToDevice(font, Scale(control));
  SendMessageW(AsHwnd(control), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(device)), TRUE);
}

void Win32WindowSystem::RepaintControl(WindowHandle control) {
  InvalidateRect(AsHwnd(control), nullptr, TRUE);
}

void Win32WindowSystem::EnableWindow(WindowHandle control, bool enable) {
  ::EnableWindow(AsHwnd(control), enable);
}

bool Win32WindowSystem::IsWindowEnabled(WindowHandle window) {
  return ::IsWindowEnabled(AsHwnd(window)) != FALSE;
}

void Win32WindowSystem::SetFocus(WindowHandle control) {
  ::SetFocus(AsHwnd(control));
}

WindowHandle Win32WindowSystem::FocusedWindow() {
  return AsHandle(::GetFocus());
}

void Win32WindowSystem::ListAddString(WindowHandle list, const std::wstring& text) {
  SendMessageW(AsHwnd(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32WindowSystem::ListInsertString(WindowHandle list, int index, const std::wstring& text) {
  SendMessageW(AsHwnd(list), LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32WindowSystem::ListDeleteString(WindowHandle list, int index) {
  SendMessageW(AsHwnd(list), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void Win32WindowSystem::ListReset(WindowHandle list) {
  SendMessageW(AsHwnd(list), LB_RESETCONTENT, 0, 0);
}

int Win32WindowSystem::ListCount(WindowHandle list) {
  return static_cast<int>(SendMessageW(AsHwnd(list), LB_GETCOUNT, 0, 0));
}

std::wstring Win32WindowSystem::ListText(WindowHandle list, int index) {
  const LRESULT length = SendMessageW(AsHwnd(list), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(AsHwnd(list), LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int Win32WindowSystem::ListSelection(WindowHandle list) {
  return static_cast<int>(SendMessageW(AsHwnd(list), LB_GETCURSEL, 0, 0));
}

void Win32WindowSystem::ListSetSelection(WindowHandle list, int index) {
  SendMessageW(AsHwnd(list), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<int> Win32WindowSystem::ListItemFromPoint(WindowHandle list, Point client) {
  if (ListCount(list) <= 0) return std::nullopt;
  const Point device = ToDevice(client, Scale(list));
  const LRESULT result =
      SendMessageW(AsHwnd(list), LB_ITEMFROMPOINT, 0, MAKELPARAM(device.x, device.y));
  if (HIWORD(result) != 0) return std::nullopt;  // outside the client area
  return static_cast<int>(LOWORD(result));
}

Rect Win32WindowSystem::ListItemRect(WindowHandle list, int index) {
  RECT rect{};
  SendMessageW(AsHwnd(list), LB_GETITEMRECT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&rect));
  return ToLayout(Rect{rect.left, rect.top, rect.right, rect.bottom}, Scale(list));
}

void Win32WindowSystem::ListSetTopIndex(WindowHandle list, int index) {
  SendMessageW(AsHwnd(list), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

int Win32WindowSystem::ListTopIndex(WindowHandle list) {
  return static_cast<int>(SendMessageW(AsHwnd(list), LB_GETTOPINDEX, 0, 0));
}

void Win32WindowSystem::ListScrollLines(WindowHandle list, int lines) {
  const WPARAM direction = lines < 0 ? SB_LINEUP : SB_LINEDOWN;
  for (int i = 0; i < std::abs(lines); ++i) {
    SendMessageW(AsHwnd(list), WM_VSCROLL, direction, 0);
  }
}

void Win32WindowSystem::TrackMouse(WindowHandle window, bool hover, bool leave, uint32_t hover_ms) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = (hover ? TME_HOVER : 0) | (leave ? TME_LEAVE : 0);
  track.hwndTrack = AsHwnd(window);
  track.dwHoverTime = hover_ms;
  TrackMouseEvent(&track);
}

void Win32WindowSystem::BeginCaptionDrag(WindowHandle window, Point client) {
  const Point device = ToDevice(client, Scale(window));
  PostMessageW(AsHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(device.x, device.y));
}

Point Win32WindowSystem::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

Point Win32WindowSystem::ScreenToClient(WindowHandle window, Point screen) {
  POINT point{screen.x, screen.y};
  ::ScreenToClient(AsHwnd(window), &point);
  return ToLayout(Point{point.x, point.y}, Scale(window));
}

WindowHandle Win32WindowSystem::WindowFromPoint(Point screen) {
  return AsHandle(::WindowFromPoint({screen.x, screen.y}));
}

int Win32WindowSystem::ShowMessageBox(WindowHandle owner, const std::wstring& text,
                                      const std::wstring& caption, uint32_t type) {
  return MessageBoxW(AsHwnd(owner), text.c_str(), caption.c_str(), type);
}

namespace {

NOTIFYICONDATAW TrayRecord(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = kTrayRecordSize;
  record.hWnd = window;
  record.uID = kTrayIconId;
  return record;
}

void CopyInto(wchar_t* target, size_t size, const std::wstring& text) {
  const size_t length = std::min(text.size(), size - 1);
  std::copy_n(text.c_str(), length, target);
  target[length] = L'\0';
}

}  // namespace

bool Win32WindowSystem::AddTrayIcon(WindowHandle window, const std::wstring& tip) {
  NOTIFYICONDATAW record = TrayRecord(AsHwnd(window));
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kMsgTrayNotify;
  record.hIcon = icon_;
  CopyInto(record.szTip, std::size(record.szTip), tip);
  tray_tips_[AsHwnd(window)] = tip;
  return Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
}

void Win32WindowSystem::ShowTrayBalloon(WindowHandle window, const std::wstring& text,
                                        const std::wstring& title, uint32_t timeout_ms) {
  NOTIFYICONDATAW record = TrayRecord(AsHwnd(window));
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
  record.uCallbackMessage = kMsgTrayNotify;
  record.hIcon = icon_;
  CopyInto(record.szTip, std::size(record.szTip), tray_tips_[AsHwnd(window)]);
  CopyInto(record.szInfo, std::size(record.szInfo), text);
  CopyInto(record.szInfoTitle, std::size(record.szInfoTitle), title);
  record.uTimeout = timeout_ms;
  record.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

// Balloons carry the tip too, so the one kept for them changes with it.
void Win32WindowSystem::SetTrayTip(WindowHandle window, const std::wstring& tip) {
  NOTIFYICONDATAW record = TrayRecord(AsHwnd(window));
  record.uFlags = NIF_TIP;
  CopyInto(record.szTip, std::size(record.szTip), tip);
  tray_tips_[AsHwnd(window)] = tip;
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

void Win32WindowSystem::DeleteTrayIcon(WindowHandle window) {
  NOTIFYICONDATAW record = TrayRecord(AsHwnd(window));
  Shell_NotifyIconW(NIM_DELETE, &record);
}

namespace {

HMENU CreateMenuOf(const std::vector<MenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  for (const MenuItem& item : items) {
    if (item.text.empty()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.submenu.empty()) {
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreateMenuOf(item.submenu)),
                  item.text.c_str());
    } else {
      AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                  static_cast<UINT_PTR>(item.command), item.text.c_str());
    }
  }
  return menu;
}

}  // namespace

// Destroying the menu destroys its submenus with it.
void Win32WindowSystem::TrackPopupMenu(WindowHandle window, const std::vector<MenuItem>& items,
                                       Point screen) {
  HMENU menu = CreateMenuOf(items);
  ::TrackPopupMenu(menu, TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, AsHwnd(window),
                   nullptr);
  // Without a message after it, a tray menu may not close when the user clicks elsewhere.
  PostMessageW(AsHwnd(window), WM_NULL, 0, 0);
  DestroyMenu(menu);
}

void Win32WindowSystem::OpenUrl(const std::wstring& url) {
  ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::optional<Rgb> Win32WindowSystem::ChooseColour(WindowHandle owner, Rgb initial) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = AsHwnd(owner);
  choose.rgbResult = RGB(initial.red, initial.green, initial.blue);
  choose.lpCustColors = custom;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  static auto* const choose_colour =
      SystemFunction<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
  if (choose_colour == nullptr || !choose_colour(&choose)) return std::nullopt;
  return Rgb{GetRValue(choose.rgbResult), GetGValue(choose.rgbResult), GetBValue(choose.rgbResult)};
}

namespace {

// The filter as the dialogs take it: description and pattern, each ended by a zero, and a zero.
std::wstring FilterText(const FileFilter& filter) {
  return filter.description + L'\0' + filter.pattern + L'\0' + L'\0';
}

}  // namespace

std::optional<std::wstring> Win32WindowSystem::ChooseFileToOpen(WindowHandle owner,
                                                                const FileFilter& filter) {
  wchar_t path[MAX_PATH] = {};
  const std::wstring filters = FilterText(filter);
  OPENFILENAMEW open{};
  open.lStructSize = sizeof(open);
  open.hwndOwner = AsHwnd(owner);
  open.lpstrFilter = filters.c_str();
  open.lpstrFile = path;
  open.nMaxFile = MAX_PATH;
  open.lpstrDefExt = filter.extension.c_str();
  // The program's folder stays the current one: the data files are found beside the program.
  open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  static auto* const open_file =
      SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (open_file == nullptr || !open_file(&open)) return std::nullopt;
  return std::wstring(path);
}

std::optional<std::wstring> Win32WindowSystem::ChooseFileToSave(
    WindowHandle owner, const FileFilter& filter, const std::wstring& suggested_name) {
  wchar_t path[MAX_PATH] = {};
  suggested_name.copy(path, MAX_PATH - 1);
  const std::wstring filters = FilterText(filter);
  OPENFILENAMEW save{};
  save.lStructSize = sizeof(save);
  save.hwndOwner = AsHwnd(owner);
  save.lpstrFilter = filters.c_str();
  save.lpstrFile = path;
  save.nMaxFile = MAX_PATH;
  save.lpstrDefExt = filter.extension.c_str();
  save.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  static auto* const save_file =
      SystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (save_file == nullptr || !save_file(&save)) return std::nullopt;
  return std::wstring(path);
}

bool Win32WindowSystem::RegisterDeviceNotifications(WindowHandle window) {
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof(filter);
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = {
      0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
  return RegisterDeviceNotificationW(AsHwnd(window), &filter, DEVICE_NOTIFY_WINDOW_HANDLE) !=
         nullptr;
}

void Win32WindowSystem::SendToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                                     intptr_t lparam) {
  SendMessageW(AsHwnd(window), id, wparam, lparam);
}

void Win32WindowSystem::PostToWindow(WindowHandle window, uint32_t id, uintptr_t wparam,
                                     intptr_t lparam) {
  PostMessageW(AsHwnd(window), id, wparam, lparam);
}

HookInstall Win32WindowSystem::InstallKeyboardHook(std::function<void(const HookedKey&)> handler) {
  return InstallThreadKeyboardHook(std::move(handler), GetCurrentThreadId());
}

void Win32WindowSystem::SetTimer(WindowHandle window, int id, uint32_t ms) {
  ::SetTimer(AsHwnd(window), static_cast<UINT_PTR>(id), ms, nullptr);
}

void Win32WindowSystem::KillTimer(WindowHandle window, int id) {
  ::KillTimer(AsHwnd(window), static_cast<UINT_PTR>(id));
}

void Win32WindowSystem::DebugTrace(const std::wstring& line) {
  OutputDebugStringW(line.c_str());
}

}  // namespace vx
