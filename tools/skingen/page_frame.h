#pragma once

#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

enum class Page { kBasic, kAdvanced };

constexpr float kBottomBarTop = 616;

// Body, title bar and bottom bar of the main window.
void DrawMainBackdrop(Pixmap& target, const Theme& theme);
// The header card holding the page arrows and title, with a marker of the current page.
void DrawPageHeader(Pixmap& target, Page page, const Theme& theme);
// The recesses of the web address and of OK, Apply and Cancel.
void DrawPageFooter(Pixmap& target, const Theme& theme);

}  // namespace vx::skingen
