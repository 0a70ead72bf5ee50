#include "tools/skingen/controls.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {
namespace {

void DrawLit(Pixmap& image, Box box, float radius, const Theme& theme) {
  const Shape light = RoundedBox(box, radius);
  Glow(image, light, WithAlpha(theme.accent, 0.35f), 2);
  Fill(image, light, VerticalGradient(box.top, box.bottom, theme.accent_light, theme.accent));
  Fill(image, InnerBand(light, 1), WithAlpha(theme.accent, 0.9f));
  Fill(image,
       Strokes({{{box.left + radius, box.top + 1.5f}, {box.right - radius, box.top + 1.5f}}}, 1),
       Rgb8(255, 255, 255, 0.45f));
}

void DrawUnlit(Pixmap& image, Box box, float radius, const Theme& theme) {
  const Shape cell = RoundedBox(box, radius);
  Fill(image, cell,
       VerticalGradient(box.top, box.bottom, theme.face_bottom,
                        Mix(theme.face_bottom, theme.slot, 0.5f)));
  Fill(image, InnerBand(cell, 1), WithAlpha(theme.face_edge, 0.55f));
}

void DrawCell(Pixmap& image, Box box, float radius, const Theme& theme, bool lit) {
  if (lit) {
    DrawLit(image, box, radius, theme);
  } else {
    DrawUnlit(image, box, radius, theme);
  }
}

}  // namespace

Pixmap MeterSegmentImage(const Theme& theme, int width, bool lit) {
  Pixmap image = Filled(width, 11, theme.slot);
  DrawCell(image, {2, 2, static_cast<float>(width) - 2, 9}, 1.5f, theme, lit);
  return image;
}

Pixmap DpiCellImage(const Theme& theme, bool lit) {
  Pixmap image = Filled(16, 16, theme.slot);
  DrawCell(image, {2, 2, 14, 14}, 2.5f, theme, lit);
  return image;
}

}  // namespace vx::skingen
