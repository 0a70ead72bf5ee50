// The scale of each window of the Win32 window system, and its change when a window moves to a
// screen of another scale.
#include <windows.h>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_window_system.h"

namespace vx {

namespace {

HWND AsHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

// The control's rectangle in its dialog's client pixels.
Rect PlaceInParent(HWND control, HWND parent) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

// Taken once, at the dialog's initialisation, which runs before its creation call returns; an
// owned dialog opens over its owner, on the owner's screen, at its scale.
DisplayScale Win32WindowSystem::Scale(WindowHandle window) {
  const HWND root = GetAncestor(AsHwnd(window), GA_ROOT);
  if (root == nullptr) return {};
  const auto found = scales_.find(root);
  if (found != scales_.end()) return found->second;
  const HWND owner = GetWindow(root, GW_OWNER);
  const DisplayScale scale =
      owner != nullptr ? Scale(reinterpret_cast<WindowHandle>(owner)) : SystemScaleOf(root);
  scales_[root] = scale;
  return scale;
}

// The controls keep their layout rectangles and fonts: from the old device pixels back to layout
// units (exact, as ToLayout inverts ToDevice) and on to the new ones.
void Win32WindowSystem::ChangeScale(HWND window, DisplayScale scale, const RECT* suggested) {
  const DisplayScale old = Scale(reinterpret_cast<WindowHandle>(window));
  scales_[window] = scale;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const Rect place = ToDevice(ToLayout(PlaceInParent(child, window), old), scale);
    SetWindowPos(child, nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const auto font = control_fonts_.find(child);
    if (font != control_fonts_.end()) {
      SendMessageW(child, WM_SETFONT,
                   reinterpret_cast<WPARAM>(FontFor(ToDevice(font->second, scale))), TRUE);
    }
  }
  if (suggested != nullptr) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace vx
