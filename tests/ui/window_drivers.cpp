#include "ui/window_drivers.h"

#include "platform/headless/headless_list_box.h"
#include "platform/headless/headless_window_system.h"

namespace vx::test {

namespace {

class HeadlessDriver : public WindowDriver {
 public:
  WindowSystem& windows() override { return windows_; }
  void Click(Dialog& dialog, Point at) override { windows_.Click(dialog, at.x, at.y); }
  void DoubleClick(Dialog& dialog, Point at) override { windows_.DoubleClick(dialog, at.x, at.y); }
  void Wheel(Dialog& dialog, Point at, int delta) override {
    windows_.Wheel(dialog, at.x, at.y, delta);
  }
  void KeyDown(Dialog& dialog, uint32_t key) override { windows_.KeyDown(dialog, key); }
  void Settle(Dialog&) override { windows_.PumpSent(); }
  int FontCellHeight(const std::optional<FontSpec>& font) override {
    return font ? font->height : headless::kSystemFontItemHeight;
  }

 private:
  headless::HeadlessWindowSystem windows_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeHeadlessDriver() {
  return std::make_unique<HeadlessDriver>();
}

}  // namespace vx::test
