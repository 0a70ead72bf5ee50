#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// A faint accent light inside a card.
void DrawSpotlight(Pixmap& target, Box card_inside, Vec2 centre, const Theme& theme);
// Short marks at the middle of each of `count` equal rows between top and bottom.
void DrawScaleTicks(Pixmap& target, float x, float top, float bottom, int count,
                    const Theme& theme);
// A box that opens a list: a text field up to `field_right`, then a button with a chevron.
void DrawChoiceBox(Pixmap& target, Box box, float field_right, const Theme& theme);
// A vertical rule dividing a column header band at x.
void DrawColumnRule(Pixmap& target, float x, Box band, const Theme& theme);
// A ring of softly glowing colours, the lighting's emblem.
void DrawLightRing(Pixmap& target, Vec2 centre, float radius, const Theme& theme);

}  // namespace vx::skingen
