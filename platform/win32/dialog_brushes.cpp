#include "platform/win32/dialog_brushes.h"

namespace vx {

HBRUSH DialogBrushes::Get(HWND dialog, Rgb colour) {
  const COLORREF rgb = RGB(colour.red, colour.green, colour.blue);
  auto& brush = brushes_[dialog][rgb];
  if (!brush) brush = ScopedGdiObject<HBRUSH>(CreateSolidBrush(rgb));
  return brush.get();
}

void DialogBrushes::Release(HWND dialog) {
  brushes_.erase(dialog);
}

}  // namespace vx
