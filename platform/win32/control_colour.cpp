// The answer to a control's colour request: the dialog's colours, and always a brush, since a
// dialog procedure that answers without one leaves the control to the default colours.
#include <windows.h>

#include <iterator>

#include "platform/win32/win32_window_system.h"

namespace vx {

namespace {

// By the window class: disabled and read-only edit boxes ask as static texts do.
ControlKind KindOf(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, static_cast<int>(std::size(name)));
  if (lstrcmpiW(name, L"Edit") == 0) return ControlKind::kEdit;
  if (lstrcmpiW(name, L"ListBox") == 0) return ControlKind::kListBox;
  return ControlKind::kStatic;
}

HBRUSH DefaultBrush(ControlKind kind) {
  return GetSysColorBrush(kind == ControlKind::kStatic ? COLOR_BTNFACE : COLOR_WINDOW);
}

COLORREF ColourRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

INT_PTR Win32WindowSystem::ControlColour(Dialog& dialog, UINT message, HDC dc, HWND control) {
  if (message == WM_CTLCOLORBTN) {
    SetBkMode(dc, TRANSPARENT);
    return FALSE;
  }
  const ControlKind kind = KindOf(control);
  const std::optional<ControlColours> colours = dialog.OnControlColour(kind, GetDlgCtrlID(control));
  if (!colours) return FALSE;
  if (colours->text) SetTextColor(dc, ColourRef(*colours->text));
  if (colours->transparent) SetBkMode(dc, TRANSPARENT);
  if (colours->background) SetBkColor(dc, ColourRef(*colours->background));
  if (colours->font) SelectObject(dc, FontFor(ToDevice(*colours->font, Scale(dialog.window()))));
  HGDIOBJ brush = DefaultBrush(kind);
  if (colours->hollow_brush) {
    brush = GetStockObject(NULL_BRUSH);
  } else if (colours->brush) {
    brush = brushes_.Get(reinterpret_cast<HWND>(dialog.window()), *colours->brush);
  }
  return reinterpret_cast<INT_PTR>(brush);
}

void Win32WindowSystem::ForgetWindow(HWND window) {
  brushes_.Release(window);
  scales_.erase(window);
}

}  // namespace vx
