#include "tools/skingen/controls.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {

Pixmap CheckBoxImage(const Theme& theme, bool ticked) {
  Pixmap image = Filled(16, 16, theme.panel);
  const Box box{1, 1, 15, 15};
  const Shape frame = RoundedBox(box, 3);
  if (ticked) {
    Glow(image, frame, WithAlpha(theme.accent, 0.3f), 1.5f);
    Fill(image, frame, VerticalGradient(box.top, box.bottom, theme.accent_light, theme.accent));
    Fill(image, TickGlyph(box, 2), theme.slot);
    return image;
  }
  Fill(image, frame, theme.field);
  InnerGlow(image, frame, Rgb8(0, 0, 0, 0.5f), 3);
  Fill(image, InnerBand(frame, 1), Lighter(theme.face_edge, 0.05f));
  return image;
}

}  // namespace vx::skingen
