#include "tools/skingen/controls.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {
namespace {

constexpr int kWidth = 211;
constexpr int kHeight = 21;
constexpr float kNumberCell = 20;

void DrawNumberCell(Pixmap& image, Box box, const Theme& theme, bool over) {
  const Shape cell = Intersect(RoundedBox(box, 3),
                               RoundedBox({box.left, box.top, kNumberCell - 1, box.bottom}, 0));
  const Rgba tint =
      over ? Mix(theme.face_top, theme.accent, 0.35f) : Mix(theme.face_bottom, theme.accent, 0.08f);
  Fill(image, cell, VerticalGradient(box.top, box.bottom, Lighter(tint, 0.04f), tint));
  FillBox(image, {kNumberCell - 1, box.top, kNumberCell, box.bottom},
          over ? WithAlpha(theme.accent, 0.7f) : theme.face_edge);
}

}  // namespace

Pixmap DropDownImage(const Theme& theme, bool over) {
  Pixmap image = Filled(kWidth, kHeight, theme.slot);
  const Box box{1, 1, kWidth - 1, kHeight - 1};
  const Shape body = RoundedBox(box, 3);
  Fill(image, body,
       VerticalGradient(box.top, box.bottom, Lighter(theme.field, 0.02f), theme.field));
  if (over) InnerGlow(image, body, WithAlpha(theme.accent, 0.22f), 6);
  DrawNumberCell(image, box, theme, over);
  Fill(image, InnerBand(body, 1),
       over ? Mix(theme.face_edge, theme.accent, 0.8f) : theme.face_edge);
  const Shape chevron = Chevron({box.right - 10, 10.5f}, 7, Direction::kDown, 1.6f);
  if (over) Glow(image, chevron, WithAlpha(theme.accent, 0.5f), 3);
  Fill(image, chevron, over ? theme.accent_light : theme.glyph);
  return image;
}

}  // namespace vx::skingen
