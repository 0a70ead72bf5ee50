#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

constexpr float kTitleBarHeight = 30;

// The window body behind everything: a deep gradient with a faint accent light.
void DrawWindowBase(Pixmap& target, const Theme& theme);
// The flat title bar with the maker's brand at its left and an accent hairline under it.
void DrawTitleBar(Pixmap& target, const Theme& theme, float brand_cap_height);
// The flat strip at the bottom of the window, from `top` down.
void DrawBottomBar(Pixmap& target, float top, const Theme& theme);
// The thin outer frame, drawn last.
void DrawWindowFrame(Pixmap& target, const Theme& theme);
// A small globe: the web link in the main window's title bar.
void DrawWebMark(Pixmap& target, Vec2 centre, const Theme& theme);

}  // namespace vx::skingen
