#pragma once

#include <string>

#include "ui/text_port.h"

namespace vx {

// The main window's fonts: bold only for the page titles, normal for everything else.
struct MainFonts {
  FontSpec normal, bold;
};

// Only "CHS" looks at the system version (major, minor of the legacy version query).
MainFonts FontsFor(const std::wstring& language_code, unsigned version_major,
                   unsigned version_minor);

// Every key-function dialog's font: the main window's normal font.
FontSpec DialogFontFor(const std::wstring& language_code, unsigned version_major,
                       unsigned version_minor);

}  // namespace vx
