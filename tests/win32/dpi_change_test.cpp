#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_window_system.h"
#include "support/geometry_print.h"

namespace vx {
namespace {

HWND Hwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

Rect PlaceInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// The system's message as a move to a screen of 200 % sends it: the new scale twice in wparam,
// the suggested window rectangle in lparam.
TEST(DpiChange, ControlsKeepTheirLayoutAndTheWindowTakesTheSuggestedRectangle) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  Dialog dialog(windows, DialogTemplate{});
  windows.CreateDialogWindow(dialog, dialog.dialog_template(), kNoWindow);
  ASSERT_NE(dialog.window(), kNoWindow) << "needs a display or Wine's null graphics driver";
  const DisplayScale before = windows.Scale(dialog.window());
  ControlSpec spec;
  spec.kind = ControlKind::kListBox;
  spec.id = 40;
  spec.rect = {10, 20, 110, 60};
  spec.font = FontSpec{L"Arial", 14, 400};
  const HWND list = Hwnd(windows.CreateControl(dialog.window(), spec));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(PlaceInParent(list), ToDevice(spec.rect, before));

  RECT suggested{100, 80, 100 + 400, 80 + 300};
  SendMessageW(Hwnd(dialog.window()), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(windows.Scale(dialog.window()), DisplayScale{192});
  EXPECT_EQ(PlaceInParent(list), (Rect{20, 40, 220, 120}));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_EQ(font.lfHeight, 28);
  RECT placed{};
  GetWindowRect(Hwnd(dialog.window()), &placed);
  EXPECT_EQ((Rect{placed.left, placed.top, placed.right, placed.bottom}),
            (Rect{100, 80, 500, 380}));

  Dialog owned(windows, DialogTemplate{0, false, true});
  windows.CreateDialogWindow(owned, owned.dialog_template(), dialog.window());
  EXPECT_EQ(windows.Scale(owned.window()), DisplayScale{192});
  windows.DestroyWindow(owned.window());
  windows.DestroyWindow(dialog.window());
}

}  // namespace
}  // namespace vx
