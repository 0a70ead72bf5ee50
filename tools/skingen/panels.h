#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// A raised card with a soft shadow; its inside is the flat panel colour.
void DrawCard(Pixmap& target, Box box, const Theme& theme);
// A short accent line, brightest in the middle, under a heading that the program writes.
void DrawHeadingUnderline(Pixmap& target, Box heading, const Theme& theme);
// A recess whose inside, `box`, is exactly the slot colour; its rim lies just outside `box`.
void DrawSlot(Pixmap& target, Box box, float radius, const Theme& theme);
// The bottom of a card from `top` down, sunk to the slot colour, to hold a row of buttons.
void DrawCardFooter(Pixmap& target, Box card, float top, const Theme& theme);
// A recess `margin` pixels around a place where the program draws or creates a control.
void DrawWell(Pixmap& target, Box control, float margin, const Theme& theme);
// A fine horizontal groove across a card.
void DrawDivider(Pixmap& target, float left, float right, float y, const Theme& theme);

}  // namespace vx::skingen
