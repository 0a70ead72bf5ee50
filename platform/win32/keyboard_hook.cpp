#include "platform/win32/keyboard_hook.h"

#include <windows.h>

namespace vx {

namespace {

constexpr int kKeyNameChars = 32;

// The thread hook runs on the window thread only.
std::function<void(const HookedKey&)>* g_handler = nullptr;

// The hook gets no message id: the transition bit tells down from up, the context bit (Alt
// held) the system forms. A key that comes as a system key only because no window has the focus
// is reported in its plain form.
uint32_t KeyMessageOf(LPARAM lparam) {
  const bool up = (lparam >> 31) & 1;
  const bool alt = (lparam >> 29) & 1;
  if (alt) return up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
  return up ? WM_KEYUP : WM_KEYDOWN;
}

LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wparam, LPARAM lparam) {
  if (code != HC_ACTION || g_handler == nullptr) return CallNextHookEx(nullptr, code, wparam, lparam);
  wchar_t name[kKeyNameChars] = {};
  GetKeyNameTextW(static_cast<LONG>(lparam), name, kKeyNameChars);
  // The handler may remove the hook: it runs from a copy.
  const auto handler = *g_handler;
  handler({KeyMessageOf(lparam), wparam, lparam, name});
  // The key goes on to its window; the next hook is not asked.
  return 0;
}

class Win32KeyboardHook : public KeyboardHook {
 public:
  explicit Win32KeyboardHook(std::function<void(const HookedKey&)> handler)
      : handler_(std::move(handler)) {}
  ~Win32KeyboardHook() override {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    if (g_handler == &handler_) g_handler = nullptr;
  }
  Win32KeyboardHook(const Win32KeyboardHook&) = delete;
  Win32KeyboardHook& operator=(const Win32KeyboardHook&) = delete;

  // A failed install leaves the hook that is in place working.
  bool Install(DWORD thread_id) {
    hook_ = SetWindowsHookExW(WH_KEYBOARD, KeyboardProcedure, nullptr, thread_id);
    if (hook_ == nullptr) return false;
    g_handler = &handler_;
    return true;
  }

 private:
  std::function<void(const HookedKey&)> handler_;
  HHOOK hook_ = nullptr;
};

}  // namespace

HookInstall InstallThreadKeyboardHook(std::function<void(const HookedKey&)> handler,
                                      DWORD thread_id) {
  auto hook = std::make_unique<Win32KeyboardHook>(std::move(handler));
  if (!hook->Install(thread_id)) return {nullptr, GetLastError()};
  return {std::move(hook), 0};
}

}  // namespace vx
