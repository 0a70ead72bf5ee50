#include "platform/win32/win32_dpi.h"

namespace vx {

namespace {

using SetAwarenessContext = BOOL(WINAPI*)(HANDLE);
using DpiForWindow = UINT(WINAPI*)(HWND);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, which the headers declare only for Windows 10.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-4));

// Looked up at run time: Windows 7 and 8 lack these calls, and the program starts there too.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

void DeclareDpiAwareness() {
  const auto set_context = User32Function<SetAwarenessContext>("SetProcessDpiAwarenessContext");
  // Wine 8 refuses version 2 with ERROR_INVALID_PARAMETER; the manifest may have set it already,
  // which refuses it with ERROR_ACCESS_DENIED and leaves it as it is.
  if (set_context != nullptr && set_context(kPerMonitorAwareV2)) return;
  if (set_context != nullptr && GetLastError() == ERROR_ACCESS_DENIED) return;
  SetProcessDPIAware();
}

DisplayScale SystemScaleOf(HWND window) {
  static const auto for_window = User32Function<DpiForWindow>("GetDpiForWindow");
  if (for_window != nullptr && window != nullptr) {
    const UINT dpi = for_window(window);
    if (dpi != 0) return {static_cast<int>(dpi)};
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return {dpi > 0 ? dpi : kLayoutDpi};
}

}  // namespace vx
