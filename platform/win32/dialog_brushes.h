#pragma once

#include <windows.h>

#include <map>

#include "platform/win32/scoped_gdi.h"
#include "ui/geometry.h"

namespace vx {

// Solid brushes for control colours: one per colour and dialog window, kept while the window
// lives, since the system paints with a returned brush after the answer.
class DialogBrushes {
 public:
  HBRUSH Get(HWND dialog, Rgb colour);
  void Release(HWND dialog);

 private:
  std::map<HWND, std::map<COLORREF, ScopedGdiObject<HBRUSH>>> brushes_;
};

}  // namespace vx
