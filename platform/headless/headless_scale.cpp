// The scale of each headless window, and its change as the system's DPI change message makes it.
#include "platform/headless/headless_window_system.h"

namespace vx::headless {

DisplayScale HeadlessWindowSystem::Scale(WindowHandle window) {
  const HeadlessWindow* w = Find(window);
  if (w == nullptr) return {};
  return w->dialog != nullptr ? w->scale : Scale(w->parent);
}

// The system suggests the same layout size at the new scale; the controls go back to layout units
// (exactly, as ToLayout inverts ToDevice) and on to the new device pixels.
void HeadlessWindowSystem::MoveToScreenOfScale(Dialog& dialog, DisplayScale scale) {
  HeadlessWindow* window = Find(dialog.window());
  if (window == nullptr) return;
  const DisplayScale old = window->scale;
  window->scale = scale;
  window->width = ToDevice(ToLayout(window->width, old), scale);
  window->height = ToDevice(ToLayout(window->height, old), scale);
  for (WindowHandle handle : Controls(dialog.window())) {
    HeadlessWindow& control = Get(handle);
    control.spec.rect = ToDevice(ToLayout(control.spec.rect, old), scale);
    if (control.layout_font) {
      control.font = control.spec.font = ToDevice(*control.layout_font, scale);
    }
  }
  Send(dialog, kMsgDpiChanged, static_cast<uintptr_t>(scale.dpi) * 0x10001u);
}

}  // namespace vx::headless
