#include "tools/skingen/decorations.h"

#include <utility>
#include <vector>

#include "tools/skingen/icons.h"
#include "tools/skingen/panels.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"
#include "tools/skingen/spectrum.h"

namespace vx::skingen {

void DrawSpotlight(Pixmap& target, Box card_inside, Vec2 centre, const Theme& theme) {
  Fill(target, RoundedBox(card_inside, 5),
       RadialGradient(centre, card_inside.Width() * 0.75f,
                      {{0, WithAlpha(theme.accent, 0.07f)}, {1, WithAlpha(theme.accent, 0)}}));
}

void DrawScaleTicks(Pixmap& target, float x, float top, float bottom, int count,
                    const Theme& theme) {
  const float row = (bottom - top) / static_cast<float>(count);
  std::vector<Segment> ticks;
  for (int i = 0; i < count; ++i) {
    const float y = top + row * (static_cast<float>(i) + 0.5f);
    ticks.push_back({{x, y}, {x + 3, y}});
  }
  Fill(target, Strokes(std::move(ticks), 1), WithAlpha(theme.face_edge, 0.9f));
}

void DrawChoiceBox(Pixmap& target, Box box, float field_right, const Theme& theme) {
  DrawSlot(target, box.Inset(-1), 3, theme);
  const Box button{field_right + 1, box.top, box.right, box.bottom};
  const Shape face = RoundedBox(button, 2);
  Fill(target, face,
       VerticalGradient(button.top, button.bottom, theme.face_top, theme.face_bottom));
  Fill(target, InnerBand(face, 1), theme.face_edge);
  Fill(target, Chevron(button.Center() + Vec2{0, 0.5f}, 6, Direction::kDown, 1.4f), theme.glyph);
}

void DrawColumnRule(Pixmap& target, float x, Box band, const Theme& theme) {
  FillBox(target, {x, band.top + 4, x + 1, band.bottom - 4}, theme.panel_edge);
}

void DrawLightRing(Pixmap& target, Vec2 centre, float radius, const Theme& theme) {
  const Shape ring = Subtract(Circle(centre, radius + 2.5f), Circle(centre, radius - 2.5f));
  const Paint colours = SpectrumAround(centre, 0.55f, 1.0f);
  Fill(target, Circle(centre, radius),
       RadialGradient(centre, radius,
                      {{0, WithAlpha(theme.accent, 0.0f)}, {1, WithAlpha(theme.accent, 0.08f)}}));
  Glow(
      target, ring, [&](Vec2 p) { return WithAlpha(colours(p), 0.35f); }, 12);
  Fill(target, ring, colours);
  Fill(target, InnerBand(Circle(centre, radius + 2.5f), 1), Rgb8(255, 255, 255, 0.25f));
}

}  // namespace vx::skingen
