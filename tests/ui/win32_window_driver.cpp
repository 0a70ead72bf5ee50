#include <windows.h>

#include "platform/win32/gdi_font.h"
#include "platform/win32/scoped_gdi.h"
#include "platform/win32/win32_window_system.h"
#include "ui/window_drivers.h"

namespace vx::test {

namespace {

HWND AsHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

// Posts what the system would deliver for the user's input, one message at a time, each to the
// window under the point (or, for keys, the focus), and lets the modal loop's dispatch handle it.
class Win32Driver : public WindowDriver {
 public:
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

  void Settle(Dialog& dialog) override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) windows_.DispatchModalMessage(dialog, msg);
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
  // Button messages carry the target's client coordinates, the wheel's screen coordinates.
  void Mouse(Dialog& dialog, UINT id, WPARAM wparam, Point at) {
    const Point origin = windows_.ScreenToClient(dialog.window(), {0, 0});
    const Point screen{at.x - origin.x, at.y - origin.y};
    SetCursorPos(screen.x, screen.y);
    const WindowHandle target = windows_.WindowFromPoint(screen);
    const Point point = id == WM_MOUSEWHEEL ? screen : windows_.ScreenToClient(target, screen);
    PostMessageW(AsHwnd(target), id, wparam, MAKELPARAM(point.x, point.y));
    Settle(dialog);
  }

  Win32WindowSystem windows_{GetModuleHandleW(nullptr)};
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWin32Driver() {
  return std::make_unique<Win32Driver>();
}

}  // namespace vx::test
