#include "tools/skingen/record_buttons.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {

void DrawRecordButton(Pixmap& target, Box box, RecordSymbol symbol, const Theme& theme) {
  const Vec2 c = box.Center();
  const float radius = box.Width() / 2 - 0.5f;
  const Shape disc = Circle(c, radius);
  Glow(target, Moved(disc, {0, 1}), Rgb8(0, 0, 0, 0.6f), 3);
  Fill(target, disc, VerticalGradient(box.top, box.bottom, theme.face_top, theme.face_bottom));
  Fill(target, InnerBand(disc, 1), theme.face_edge);
  if (symbol == RecordSymbol::kRecord) {
    const Shape dot = Circle(c, 5.5f);
    Glow(target, dot, WithAlpha(theme.danger, 0.45f), 5);
    Fill(target, dot,
         VerticalGradient(c.y - 5.5f, c.y + 5.5f, Lighter(theme.danger, 0.25f), theme.danger));
    return;
  }
  Fill(target, RoundedBox({c.x - 4.5f, c.y - 4.5f, c.x + 4.5f, c.y + 4.5f}, 1.5f), theme.glyph);
}

}  // namespace vx::skingen
