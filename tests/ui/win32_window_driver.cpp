#include <windows.h>

#include <gtest/gtest.h>

#include <deque>

#include "platform/win32/gdi_font.h"
#include "platform/win32/scoped_gdi.h"
#include "platform/win32/win32_window_system.h"
#include "ui/window_drivers.h"

namespace vx::test {

namespace {

constexpr UINT kRunScript = WM_APP + 0x40;
constexpr wchar_t kRunnerClass[] = L"VxTestScriptRunner";
// Input from SendInput is queued by the time the call returns under Wine; the bound only keeps a
// lost event from hanging the run.
constexpr DWORD kInputWaitMs = 5000;
// Ends a modal loop that would never end, so a fault fails the case instead of hanging the run.
constexpr UINT kWatchdogMs = 10000;
constexpr int kTimedOut = -2;

HWND AsHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

INPUT KeyInput(const KeyStroke& key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(key.virtual_key);
  input.ki.wScan = static_cast<WORD>(key.scan_code);
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (key.extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT ButtonInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

// Posts what the system would deliver for the user's input, one message at a time, each to the
// window under the point (or, for keys, the focus), and lets the modal loop's dispatch handle it;
// taps and key presses go through the system's own input instead. Modal scripts run from a
// message that the loop dispatches to a message-only window.
class Win32Driver : public WindowDriver {
 public:
  Win32Driver() {
    windows_.RegisterMainWindowClass();
    WNDCLASSEXW runner_class{};
    runner_class.cbSize = sizeof(runner_class);
    runner_class.lpfnWndProc = RunnerProcedure;
    runner_class.hInstance = GetModuleHandleW(nullptr);
    runner_class.lpszClassName = kRunnerClass;
    RegisterClassExW(&runner_class);  // fails harmlessly once it exists
    runner_ = CreateWindowExW(0, kRunnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(runner_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Win32Driver() override { DestroyWindow(runner_); }

  WindowSystem& windows() override { return windows_; }

  void Click(Dialog& dialog, Point at) override {
    Mouse(dialog, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Mouse(dialog, WM_LBUTTONUP, 0, at);
  }

  void DoubleClick(Dialog& dialog, Point at) override {
    Click(dialog, at);
    Mouse(dialog, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    Mouse(dialog, WM_LBUTTONUP, 0, at);
  }

  void Wheel(Dialog& dialog, Point at, int delta) override {
    Mouse(dialog, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), at);
  }

  void KeyDown(Dialog& dialog, uint32_t key) override {
    const HWND window = AsHwnd(dialog.window());
    const HWND focus = GetFocus();
    const HWND target = focus != nullptr && IsChild(window, focus) ? focus : window;
    PostMessageW(target, WM_KEYDOWN, key, 0);
    Settle(dialog);
  }

  // A disabled window gets nothing, so there is nothing to wait for.
  void Tap(Dialog& dialog, Point at) override {
    const Point screen = Screen(dialog, at);
    SetCursorPos(screen.x, screen.y);
    const HWND under = GetAncestor(WindowFromPoint({screen.x, screen.y}), GA_ROOT);
    INPUT clicks[] = {ButtonInput(MOUSEEVENTF_LEFTDOWN), ButtonInput(MOUSEEVENTF_LEFTUP)};
    SendInput(2, clicks, sizeof(INPUT));
    if (IsWindowEnabled(under)) {
      PumpUntil(dialog, [](const MSG& msg) { return msg.message == WM_LBUTTONUP; });
    }
    Settle(dialog);
  }

  void PressKey(Dialog& dialog, const KeyStroke& key) override {
    INPUT strokes[] = {KeyInput(key, false), KeyInput(key, true)};
    SendInput(2, strokes, sizeof(INPUT));
    PumpUntil(dialog,
              [](const MSG& msg) { return msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP; });
    Settle(dialog);
  }

  void Settle(Dialog& dialog) override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) Dispatch(dialog, msg);
  }

  // The runner's own timer is the watchdog's.
  bool AwaitTimer(Dialog& dialog, uint32_t ms) override {
    return PumpFor(dialog, ms, [this](const MSG& msg) {
      return msg.message == WM_TIMER && msg.hwnd != runner_;
    });
  }

  void Pass(Dialog& dialog, uint32_t ms) override {
    PumpFor(dialog, ms, [](const MSG&) { return false; });
  }

  int RunModal(Dialog& dialog, WindowHandle owner, std::function<void()> script) override {
    scripts_.push_back(std::move(script));
    PostMessageW(runner_, kRunScript, 0, 0);
    const UINT_PTR watchdog = ++watchdogs_;
    SetTimer(runner_, watchdog, kWatchdogMs, nullptr);
    const int result = dialog.DoModal(owner);
    KillTimer(runner_, watchdog);
    return result;
  }

  int FontCellHeight(const std::optional<FontSpec>& font) override {
    const ScopedDc dc(CreateCompatibleDC(nullptr));
    const ScopedGdiObject<HFONT> made = font ? CreateProgramFont(*font) : ScopedGdiObject<HFONT>();
    const ScopedSelectObject selected(dc.get(), font ? made.get() : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return metrics.tmHeight;
  }

 private:
  static LRESULT CALLBACK RunnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* driver = reinterpret_cast<Win32Driver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (driver == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == kRunScript) {
      const std::function<void()> script = std::move(driver->scripts_.front());
      driver->scripts_.pop_front();
      script();
      return 0;
    }
    if (message == WM_TIMER) {
      KillTimer(window, wparam);
      ADD_FAILURE() << "a modal loop did not end";
      if (Dialog* loop = driver->windows_.InnermostModalDialog()) {
        driver->windows_.EndModalLoop(*loop, kTimedOut);
      }
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  // As the modal loop that runs would, or the dialog's own loop when none runs.
  void Dispatch(Dialog& dialog, MSG& msg) {
    Dialog* loop = windows_.InnermostModalDialog();
    windows_.DispatchModalMessage(loop != nullptr ? *loop : dialog, msg);
  }

  template <typename Awaited>
  void PumpUntil(Dialog& dialog, Awaited awaited) {
    if (!PumpFor(dialog, kInputWaitMs, awaited)) ADD_FAILURE() << "the input did not arrive";
  }

  // Whether the awaited message came within ms.
  template <typename Awaited>
  bool PumpFor(Dialog& dialog, DWORD ms, Awaited awaited) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    MSG msg;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
      if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
        continue;
      }
      const bool done = awaited(msg);
      Dispatch(dialog, msg);
      if (done) return true;
    }
    return false;
  }

  Point Screen(Dialog& dialog, Point client) {
    const Point origin = windows_.ScreenToClient(dialog.window(), {0, 0});
    return {client.x - origin.x, client.y - origin.y};
  }

  // Button messages carry the target's client coordinates, the wheel's screen coordinates.
  void Mouse(Dialog& dialog, UINT id, WPARAM wparam, Point at) {
    const Point screen = Screen(dialog, at);
    SetCursorPos(screen.x, screen.y);
    const WindowHandle target = windows_.WindowFromPoint(screen);
    const Point point = id == WM_MOUSEWHEEL ? screen : windows_.ScreenToClient(target, screen);
    PostMessageW(AsHwnd(target), id, wparam, MAKELPARAM(point.x, point.y));
    Settle(dialog);
  }

  Win32WindowSystem windows_{GetModuleHandleW(nullptr)};
  HWND runner_ = nullptr;
  std::deque<std::function<void()>> scripts_;
  UINT_PTR watchdogs_ = 0;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWin32Driver() {
  return std::make_unique<Win32Driver>();
}

}  // namespace vx::test
