#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/keyboard_hook.h"
#include "platform/win32/win32_window_system.h"

// The thread keyboard hook where the behaviour table cannot reach: installs that fail, and keys
// pressed inside a message box, whose loop is the system's own.

namespace vx {
namespace {

constexpr DWORD kNoSuchThread = 0xFFFFFFF0;
constexpr UINT kWatchdogMs = 5000;
constexpr int kTimedOut = 99;

struct Seen {
  uint32_t message;
  uintptr_t virtual_key;
  std::wstring name;
  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
  *out << seen.message << " " << seen.virtual_key << " "
       << std::string(seen.name.begin(), seen.name.end());
}

std::vector<Seen> g_seen;

void Record(const HookedKey& key) {
  g_seen.push_back({key.message, key.virtual_key, key.name});
}

void PressEnter() {
  INPUT strokes[2] = {};
  for (int i = 0; i < 2; ++i) {
    strokes[i].type = INPUT_KEYBOARD;
    strokes[i].ki.wVk = VK_RETURN;
    strokes[i].ki.wScan = 0x1C;
    strokes[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(2, strokes, sizeof(INPUT));
}

// Thread timers run from inside whatever loop pumps the thread's messages: here the box's.
void CALLBACK PressInsideTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PressEnter();
}

void CALLBACK CloseTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ADD_FAILURE() << "the key did not close the box";
  EndDialog(GetActiveWindow(), kTimedOut);
}

// Pumps the thread's messages until the hook has seen that many keys, or the bound passes.
void PumpUntilSeen(size_t count) {
  const ULONGLONG deadline = GetTickCount64() + kWatchdogMs;
  MSG msg;
  while (g_seen.size() < count && GetTickCount64() < deadline) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&msg);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
  }
}

TEST(KeyboardHook, AFailedInstallReportsTheSystemsErrorAndKeepsTheHookInPlace) {
  g_seen.clear();
  HookInstall first = InstallThreadKeyboardHook(Record, GetCurrentThreadId());
  ASSERT_NE(first.hook, nullptr);
  const HookInstall failed = InstallThreadKeyboardHook(Record, kNoSuchThread);
  EXPECT_EQ(failed.hook, nullptr);
  EXPECT_EQ(failed.error, static_cast<uint32_t>(ERROR_INVALID_PARAMETER));

  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  Dialog dialog(windows, DialogTemplate{});
  windows.CreateDialogWindow(dialog, dialog.dialog_template(), kNoWindow);
  ASSERT_NE(dialog.window(), kNoWindow) << "needs a display or Wine's null graphics driver";
  windows.ShowWindow(dialog.window(), true);
  PressEnter();
  PumpUntilSeen(2);
  EXPECT_EQ(g_seen, (std::vector<Seen>{{WM_KEYDOWN, VK_RETURN, L"Enter"},
                                       {WM_KEYUP, VK_RETURN, L"Enter"}}));
  windows.DestroyWindow(dialog.window());
}

// Wine's message box runs its own modal loop on the thread: the hook sees the key that closes it.
TEST(KeyboardHook, SeesTheKeysOfAMessageBox) {
  g_seen.clear();
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  HookInstall install = windows.InstallKeyboardHook(Record);
  ASSERT_NE(install.hook, nullptr);
  Dialog owner(windows, DialogTemplate{});
  windows.CreateDialogWindow(owner, owner.dialog_template(), kNoWindow);
  ASSERT_NE(owner.window(), kNoWindow) << "needs a display or Wine's null graphics driver";
  windows.ShowWindow(owner.window(), true);
  SetTimer(nullptr, 0, 0, PressInsideTheBox);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, kWatchdogMs, CloseTheBox);

  EXPECT_EQ(windows.ShowMessageBox(owner.window(), L"text", L"caption", kBoxOk), kIdOk);
  KillTimer(nullptr, watchdog);
  ASSERT_FALSE(g_seen.empty());
  EXPECT_EQ(g_seen.front(), (Seen{WM_KEYDOWN, VK_RETURN, L"Enter"}));
  // The release comes after the box has gone; it must not reach the next test.
  PumpUntilSeen(2);
  windows.DestroyWindow(owner.window());
}

}  // namespace
}  // namespace vx
