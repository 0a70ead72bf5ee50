#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/system_foreground.h"
#include "platform/win32/win32_window_system.h"

namespace vx {
namespace {

std::wstring OwnFileName() {
  wchar_t path[MAX_PATH] = {};
  const std::wstring full(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return full.substr(full.find_last_of(L'\\') + 1);
}

TEST(ForegroundPort, OurWindowInFrontNamesOurOwnFile) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  Dialog dialog(windows, DialogTemplate{});
  windows.CreateDialogWindow(dialog, dialog.dialog_template(), kNoWindow);
  ASSERT_NE(dialog.window(), kNoWindow) << "needs a display or Wine's null graphics driver";
  windows.ShowWindow(dialog.window(), true);
  windows.BringToForeground(dialog.window());
  ASSERT_EQ(GetForegroundWindow(), reinterpret_cast<HWND>(dialog.window()));

  EXPECT_EQ(CreateSystemForegroundPort()->ForegroundProgram(), OwnFileName());
  windows.DestroyWindow(dialog.window());
}

}  // namespace
}  // namespace vx
