#pragma once

#include <cstdint>
#include <vector>

#include "ui/language_text.h"
#include "ui/geometry.h"
#include "ui/skin_controls.h"

namespace vx {

// The main window's fixed rectangles (client pixels).
namespace main_rects {
inline constexpr Rect kOk{562, 623, 667, 644};
inline constexpr Rect kApply{666, 623, 771, 644};
inline constexpr Rect kCancel{770, 623, 875, 644};
inline constexpr Rect kSkins{701, 5, 719, 23};
// Part of the skin's own artwork; it overlaps the minimise button's left 8 pixels and wins.
inline constexpr Rect kWebTitleBar{815, 5, 833, 23};
inline constexpr Rect kMinimise{825, 5, 843, 23};
inline constexpr Rect kClose{850, 5, 868, 23};
inline constexpr Rect kPreviousPage{14, 54, 54, 94};
inline constexpr Rect kNextPage{60, 54, 100, 94};
inline constexpr Rect kWebText{266, 626, 458, 646};
inline constexpr Rect kPageTitle{105, 51, 320, 99};
}  // namespace main_rects

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
