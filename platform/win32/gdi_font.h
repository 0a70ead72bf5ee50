#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win32/scoped_gdi.h"
#include "ui/text_port.h"

namespace vx {

// The one routine that makes every font of the program.
ScopedGdiObject<HFONT> CreateProgramFont(const FontSpec& spec);

// Fonts made on first use and kept for the cache's life; a program uses only a handful.
class GdiFontCache {
 public:
  // Null when GDI refuses the font.
  HFONT Get(const FontSpec& spec);

 private:
  std::vector<std::pair<FontSpec, ScopedGdiObject<HFONT>>> fonts_;
};

}  // namespace vx
