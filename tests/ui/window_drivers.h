#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ui/dialog.h"
#include "ui/window_system.h"

namespace vx::test {

// A key on the keyboard: its virtual key and place, and the name the system gives it.
struct KeyStroke {
  uint32_t virtual_key = 0;
  uint32_t scan_code = 0;
  bool extended = false;
  std::wstring name;
};

// A window system under test with the input a user would give it: each gesture goes to the
// window under the point and through the dialog's modal-loop handling, posted messages included.
// While modal loops run, the innermost one handles what the gestures bring.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;
  virtual WindowSystem& windows() = 0;
  // Points in the dialog's client coordinates.
  virtual void Click(Dialog& dialog, Point at) = 0;
  virtual void DoubleClick(Dialog& dialog, Point at) = 0;
  virtual void Wheel(Dialog& dialog, Point at, int delta) = 0;
  // A key-down message posted to the focused control of the dialog, else to the dialog.
  virtual void KeyDown(Dialog& dialog, uint32_t virtual_key) = 0;
  // A click from the mouse itself, which the system does not give a disabled window.
  virtual void Tap(Dialog& dialog, Point at) = 0;
  // A key pressed and released on the keyboard: the keyboard hook sees it, and it goes to the
  // focus, else to the active dialog.
  virtual void PressKey(Dialog& dialog, const KeyStroke& key) = 0;
  // Handles what is still queued, as the modal loop would.
  virtual void Settle(Dialog& dialog) = 0;
  // Handles messages as the modal loop would, until a timer's message has been handled; false
  // when none came within ms.
  virtual bool AwaitTimer(Dialog& dialog, uint32_t ms) = 0;
  // Handles messages as the modal loop would, for ms.
  virtual void Pass(Dialog& dialog, uint32_t ms) = 0;
  // The dialog's DoModal with the script running inside its modal loop; returns DoModal's result.
  virtual int RunModal(Dialog& dialog, WindowHandle owner, std::function<void()> script) = 0;
  // The cell height of a font as this system makes it; none: the system font.
  virtual int FontCellHeight(const std::optional<FontSpec>& font) = 0;
};

std::unique_ptr<WindowDriver> MakeHeadlessDriver();
#ifdef _WIN32
std::unique_ptr<WindowDriver> MakeWin32Driver();
#endif

}  // namespace vx::test
