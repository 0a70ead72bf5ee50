#pragma once

#include <memory>
#include <optional>

#include "ui/dialog.h"
#include "ui/window_system.h"

namespace vx::test {

// A window system under test with the input a user would give it: each gesture goes to the
// window under the point and through the dialog's modal-loop handling, posted messages included.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;
  virtual WindowSystem& windows() = 0;
  // Points in the dialog's client coordinates.
  virtual void Click(Dialog& dialog, Point at) = 0;
  virtual void DoubleClick(Dialog& dialog, Point at) = 0;
  virtual void Wheel(Dialog& dialog, Point at, int delta) = 0;
  virtual void KeyDown(Dialog& dialog, uint32_t virtual_key) = 0;
  // Handles what is still queued, as the modal loop would.
  virtual void Settle(Dialog& dialog) = 0;
  // The cell height of a font as this system makes it; none: the system font.
  virtual int FontCellHeight(const std::optional<FontSpec>& font) = 0;
};

std::unique_ptr<WindowDriver> MakeHeadlessDriver();
#ifdef _WIN32
std::unique_ptr<WindowDriver> MakeWin32Driver();
#endif

}  // namespace vx::test
