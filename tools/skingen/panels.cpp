#include "tools/skingen/panels.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {
namespace {

constexpr float kCardRadius = 6;

}  // namespace

void DrawCard(Pixmap& target, Box box, const Theme& theme) {
  const Shape card = RoundedBox(box, kCardRadius);
  Glow(target, Moved(card, {0, 3}), Rgb8(0, 0, 0, 0.55f), 10);
  Fill(target, Grown(card, 1), Rgb8(0, 0, 0, 0.6f));
  Fill(target, card, theme.panel_edge);
  Fill(target, RoundedBox(box.Inset(1), kCardRadius - 1), theme.panel);
  Fill(target,
       Intersect(InnerBand(RoundedBox(box.Inset(1), kCardRadius - 1), 1),
                 RoundedBox({box.left, box.top, box.right, box.top + 6}, 0)),
       Rgb8(255, 255, 255, 0.06f));
}

void DrawHeadingUnderline(Pixmap& target, Box heading, const Theme& theme) {
  const Vec2 centre = heading.Center();
  const float half = heading.Width() * 0.42f;
  const float y = heading.bottom + 1.5f;
  const Shape line = Strokes({{{centre.x - half, y}, {centre.x + half, y}}}, 1.4f);
  const Paint fade = LinearGradient(
      {centre.x - half, 0}, {centre.x + half, 0},
      {{0, WithAlpha(theme.accent, 0)}, {0.5f, theme.accent}, {1, WithAlpha(theme.accent, 0)}});
  Glow(
      target, line, [&](Vec2 p) { return WithAlpha(fade(p), fade(p).a * 0.3f); }, 4);
  Fill(target, line, fade);
}

void DrawSlot(Pixmap& target, Box box, float radius, const Theme& theme) {
  const Shape slot = RoundedBox(box, radius);
  Fill(target, Grown(slot, 1),
       VerticalGradient(box.top - 1, box.bottom + 1, Rgb8(0, 0, 0, 0.7f),
                        Rgb8(255, 255, 255, 0.09f)));
  Fill(target, slot, theme.slot);
  InnerGlow(target, slot, Rgb8(0, 0, 0, 0.6f), 2);
}

void DrawWell(Pixmap& target, Box control, float margin, const Theme& theme) {
  DrawSlot(target, control.Inset(-margin), margin + 1, theme);
}

void DrawCardFooter(Pixmap& target, Box card, float top, const Theme& theme) {
  const Shape inside = RoundedBox(card.Inset(1), kCardRadius - 1);
  Fill(target, Intersect(inside, RoundedBox({card.left, top, card.right, card.bottom}, 0)),
       theme.slot);
  FillBox(target, {card.left + 1, top, card.right - 1, top + 1}, Rgb8(0, 0, 0, 0.8f));
  FillBox(target, {card.left + 1, top + 1, card.right - 1, top + 2}, Rgb8(0, 0, 0, 0.35f));
}

void DrawDivider(Pixmap& target, float left, float right, float y, const Theme& theme) {
  FillBox(target, {left, y, right, y + 1}, Rgb8(0, 0, 0, 0.45f));
  FillBox(target, {left, y + 1, right, y + 2}, WithAlpha(theme.panel_edge, 0.6f));
}

}  // namespace vx::skingen
