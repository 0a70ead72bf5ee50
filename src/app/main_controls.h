#pragma once

#include <cstdint>
#include <vector>

#include "ui/geometry.h"
#include "ui/language_text.h"
#include "ui/skin_controls.h"

namespace vx {

// Hover keys of the main window's drawn controls.
enum MainControlKey : int {
  kControlOk = 1,
  kControlApply,
  kControlCancel,
  kControlSkins,
  kControlMinimise,
  kControlClose,
  kControlPreviousPage,
  kControlNextPage,
};

// The frame's drawn controls, the same on both pages, in hit-test order; the sections add their
// own.
std::vector<SkinControl> MainWindowControls(const LanguageText& texts);

// A heading drawn centred in the normal font.
struct Heading {
  const std::wstring* text;
  Rect rect;
};
std::vector<Heading> PageHeadings(int32_t page, const LanguageText& texts);

}  // namespace vx
