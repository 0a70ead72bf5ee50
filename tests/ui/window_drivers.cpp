#include "ui/window_drivers.h"

#include "platform/headless/headless_list_box.h"
#include "platform/headless/headless_window_system.h"

namespace vx::test {

namespace {

// The key data the keyboard gives a key message: one repeat, the scan code, the extended bit,
// and for a release the previous-state and transition bits.
intptr_t KeyData(const KeyStroke& key, bool up) {
  uint32_t data = 1 | ((key.scan_code & 0xFF) << 16) | (key.extended ? 1u << 24 : 0);
  if (up) data |= 3u << 30;
  return static_cast<intptr_t>(data);
}

class HeadlessDriver : public WindowDriver {
 public:
  WindowSystem& windows() override { return windows_; }
  void Click(Dialog& dialog, Point at) override { windows_.Click(dialog, at.x, at.y); }
  void DoubleClick(Dialog& dialog, Point at) override { windows_.DoubleClick(dialog, at.x, at.y); }
  void Wheel(Dialog& dialog, Point at, int delta) override {
    windows_.Wheel(dialog, at.x, at.y, delta);
  }
  void KeyDown(Dialog& dialog, uint32_t key) override { windows_.KeyDown(dialog, key); }
  void Tap(Dialog& dialog, Point at) override { windows_.Click(dialog, at.x, at.y); }
  void PressKey(Dialog& dialog, const KeyStroke& key) override {
    windows_.Key(dialog, {kMsgKeyDown, key.virtual_key, KeyData(key, false), key.name});
    windows_.Key(dialog, {kMsgKeyUp, key.virtual_key, KeyData(key, true), key.name});
  }
  void Settle(Dialog&) override { windows_.PumpSent(); }
  bool AwaitTimer(Dialog&, uint32_t ms) override {
    for (uint32_t passed = 0; passed < ms; ++passed) {
      if (windows_.AdvanceTime(1) != 0) return true;
    }
    return false;
  }
  void Pass(Dialog&, uint32_t ms) override { windows_.AdvanceTime(ms); }
  int RunModal(Dialog& dialog, WindowHandle owner, std::function<void()> script) override {
    windows_.modal_scripts.push_back([script = std::move(script)](Dialog&) { script(); });
    return dialog.DoModal(owner);
  }
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
