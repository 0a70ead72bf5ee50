#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_window_system.h"

namespace vx {
namespace {

HWND Hwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

// The behaviour table's owner sits where the template's origin alone would do; here it sits in
// the screen's corner, where the system would shift a dialog of the template's size.
TEST(DialogPlacement, AnOwnedDialogOpensAtItsOwnersClientOriginWithItsThinBorder) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  Dialog owner(windows, DialogTemplate{});
  Dialog owned(windows, DialogTemplate{0, false, true});
  windows.CreateDialogWindow(owner, owner.dialog_template(), kNoWindow);
  ASSERT_NE(owner.window(), kNoWindow) << "needs a display or Wine's null graphics driver";
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(Hwnd(owner.window()), nullptr, work.right - 60, work.bottom - 40, 50, 30,
               SWP_NOZORDER | SWP_NOACTIVATE);

  windows.CreateDialogWindow(owned, owned.dialog_template(), owner.window());
  POINT origin{0, 0};
  ClientToScreen(Hwnd(owner.window()), &origin);
  RECT placed{};
  GetWindowRect(Hwnd(owned.window()), &placed);
  POINT client{0, 0};
  ClientToScreen(Hwnd(owned.window()), &client);
  EXPECT_EQ(placed.left, origin.x);
  EXPECT_EQ(placed.top, origin.y);
  EXPECT_EQ(client.x, origin.x + 1);
  EXPECT_EQ(client.y, origin.y + 1);
  windows.DestroyWindow(owned.window());
  windows.DestroyWindow(owner.window());
}

}  // namespace
}  // namespace vx
