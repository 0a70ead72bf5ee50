#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

// The soft disc of light that every dialog emblem stands on.
void DrawArtSpot(Pixmap& target, Vec2 centre, float radius, const Theme& theme);

// The emblem of each dialog, drawn within a circle of the given radius.

void DrawKeycapArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawKeyPairArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawCrosshairArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawStopwatchArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawMediaArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawLaunchArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawSequenceArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);
void DrawPaletteArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme);

}  // namespace vx::skingen
