#include "tools/skingen/dialog_art.h"

#include "tools/skingen/polygon.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"
#include "tools/skingen/spectrum.h"

namespace vx::skingen {
namespace {

Paint AccentSheen(float top, float bottom, const Theme& theme) {
  return VerticalGradient(top, bottom, theme.accent_light, theme.accent);
}

void DrawTile(Pixmap& target, Box tile, Rgba colour, const Theme& theme) {
  Fill(target, RoundedBox(tile, 3), colour);
  Fill(target, InnerBand(RoundedBox(tile, 3), 1), WithAlpha(theme.face_edge, 0.6f));
}

// Two quavers joined by a slanted beam, in units of `u` around `c`.
Shape BeamedNotes(Vec2 c, float u) {
  const Vec2 heads[] = {{c.x - 2.6f * u, c.y + 2.8f * u}, {c.x + 2.8f * u, c.y + 2.0f * u}};
  const float tops[] = {c.y - 3.6f * u, c.y - 4.4f * u};
  const float stem = 0.55f * u;
  const float rights[] = {heads[0].x + 1.5f * u, heads[1].x + 1.5f * u};
  Shape notes = Polygon({{rights[0] - stem, tops[0]},
                         {rights[1], tops[1]},
                         {rights[1], tops[1] + 1.5f * u},
                         {rights[0] - stem, tops[0] + 1.5f * u}});
  for (int i = 0; i < 2; ++i) {
    notes = Unite(notes, Polygon(EllipsePoints(heads[i], 1.5f * u, 1.15f * u)));
    notes = Unite(notes, RoundedBox({rights[i] - stem, tops[i], rights[i], heads[i].y}, 0));
  }
  return notes;
}

}  // namespace

void DrawMediaArt(Pixmap& target, Vec2 c, float radius, const Theme& theme) {
  DrawArtSpot(target, c, radius, theme);
  const float u = radius * 0.1f;
  const Shape notes = BeamedNotes(c, u);
  Glow(target, notes, WithAlpha(theme.accent, 0.35f), 8);
  Fill(target, notes, AccentSheen(c.y - 4.4f * u, c.y + 4 * u, theme));
}

void DrawLaunchArt(Pixmap& target, Vec2 c, float radius, const Theme& theme) {
  DrawArtSpot(target, c, radius, theme);
  const Box frame{c.x - radius * 0.56f, c.y - radius * 0.42f, c.x + radius * 0.56f,
                  c.y + radius * 0.42f};
  Glow(target, RoundedBox(frame, 5), WithAlpha(theme.accent, 0.18f), 10);
  Fill(target, RoundedBox(frame, 5), theme.field);
  Fill(target, InnerBand(RoundedBox(frame, 5), 1.5f), theme.face_edge);
  Fill(target,
       RoundedBox({frame.left + 1.5f, frame.top + 1.5f, frame.right - 1.5f, frame.top + 10}, 3),
       theme.face_bottom);
  for (int i = 0; i < 3; ++i) {
    Fill(target, Circle({frame.left + 7 + 6.0f * static_cast<float>(i), frame.top + 6}, 1.6f),
         i == 0 ? theme.accent : theme.glyph);
  }
  const float tile = (frame.Width() - 12 * 3) / 4;
  for (int i = 0; i < 4; ++i) {
    const float left = frame.left + 12 + static_cast<float>(i) * (tile + 4);
    const Box box{left, frame.top + 18, left + tile, frame.top + 18 + tile};
    DrawTile(target, box, i == 1 ? theme.accent : theme.face_top, theme);
  }
  const float y = frame.top + 22 + tile;
  Fill(target, Strokes({{{frame.left + 12, y + 6}, {frame.right - 24, y + 6}}}, 2),
       WithAlpha(theme.glyph, 0.5f));
}

void DrawSequenceArt(Pixmap& target, Vec2 c, float radius, const Theme& theme) {
  DrawArtSpot(target, c, radius, theme);
  const float lengths[] = {0.9f, 0.6f, 0.78f};
  const float step = radius * 0.26f;
  for (int i = 0; i < 3; ++i) {
    const float y = c.y + (static_cast<float>(i) - 1) * step;
    const float left = c.x - radius * 0.5f;
    Fill(target, Circle({left, y}, 2.6f), i == 1 ? theme.accent : theme.glyph);
    Fill(target,
         RoundedBox({left + 6, y - 2.5f, left + 6 + radius * 0.62f * lengths[i], y + 2.5f}, 2.5f),
         WithAlpha(theme.glyph, 0.75f));
  }
  const float x = c.x + radius * 0.36f;
  const Shape play = Polygon({{x - 5, c.y - 8}, {x + 8, c.y}, {x - 5, c.y + 8}});
  Glow(target, play, WithAlpha(theme.accent, 0.45f), 7);
  Fill(target, play, AccentSheen(c.y - 8, c.y + 8, theme));
}

void DrawPaletteArt(Pixmap& target, Vec2 c, float radius, const Theme& theme) {
  DrawArtSpot(target, c, radius, theme);
  const float r = radius * 0.55f;
  const Shape palette = Subtract(Polygon(EllipsePoints(c, r, r * 0.82f)),
                                 Circle({c.x + r * 0.52f, c.y + r * 0.36f}, r * 0.2f));
  Glow(target, palette, WithAlpha(theme.accent, 0.16f), 10);
  Fill(target, palette, VerticalGradient(c.y - r, c.y + r, theme.face_top, theme.face_bottom));
  Fill(target, InnerBand(palette, 1.2f), theme.face_edge);
  const Paint hues = SpectrumAround(c, 0.6f, 1);
  const Vec2 dots[] = {
      {-0.55f, 0.12f}, {-0.38f, -0.38f}, {0.05f, -0.55f}, {0.5f, -0.3f}, {-0.12f, 0.45f}};
  for (Vec2 d : dots) Fill(target, Circle(c + d * r, r * 0.15f), hues);
}

}  // namespace vx::skingen
