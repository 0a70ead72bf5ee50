#include "tools/skingen/chrome.h"

#include "tools/skingen/brand.h"
#include "tools/skingen/polygon.h"
#include "tools/skingen/raster.h"

namespace vx::skingen {
namespace {

Box Whole(const Pixmap& target) {
  return {0, 0, static_cast<float>(target.width()), static_cast<float>(target.height())};
}

void DrawAccentHairline(Pixmap& target, float y, const Theme& theme) {
  const float width = static_cast<float>(target.width());
  const Paint fade = LinearGradient({0, 0}, {width, 0},
                                    {{0, WithAlpha(theme.accent, 0.0f)},
                                     {0.18f, WithAlpha(theme.accent, 0.85f)},
                                     {0.5f, WithAlpha(theme.accent, 0.35f)},
                                     {1, WithAlpha(theme.accent, 0.0f)}});
  FillBox(target, {0, y, width, y + 1}, fade);
}

}  // namespace

void DrawWindowBase(Pixmap& target, const Theme& theme) {
  const Box whole = Whole(target);
  const Vec2 light{whole.Width() * 0.3f, whole.Height() * 0.35f};
  const Paint glow =
      RadialGradient(light, whole.Width() * 0.75f,
                     {{0, WithAlpha(theme.accent, 0.045f)}, {1, WithAlpha(theme.accent, 0)}});
  const Paint shade = VerticalGradient(0, whole.bottom, theme.base_top, theme.base_bottom);
  FillBox(target, whole, Over(Over(shade, glow), Hatch(5, Rgb8(255, 255, 255, 0.018f))));
}

void DrawTitleBar(Pixmap& target, const Theme& theme, float brand_cap_height) {
  const float width = static_cast<float>(target.width());
  FillBox(target, {0, 0, width, kTitleBarHeight}, theme.title);
  FillBox(target, {0, kTitleBarHeight, width, kTitleBarHeight + 1}, Rgb8(0, 0, 0, 0.8f));
  DrawAccentHairline(target, kTitleBarHeight, theme);
  DrawBrand(target, 14, kTitleBarHeight / 2 - 0.5f, brand_cap_height, theme);
}

void DrawBottomBar(Pixmap& target, float top, const Theme& theme) {
  const Box whole = Whole(target);
  FillBox(target, {0, top, whole.right, whole.bottom}, theme.title);
  FillBox(target, {0, top, whole.right, top + 1}, Rgb8(0, 0, 0, 0.8f));
  FillBox(target, {0, top + 1, whole.right, top + 2}, WithAlpha(theme.panel_edge, 0.55f));
}

void DrawWindowFrame(Pixmap& target, const Theme& theme) {
  const Box whole = Whole(target);
  FrameBox(target, whole, 1, Lighter(theme.panel_edge, 0.08f));
  FrameBox(target, whole.Inset(1), 1, Rgb8(0, 0, 0, 0.5f));
}

void DrawWebMark(Pixmap& target, Vec2 centre, const Theme& theme) {
  const Rgba ink = Mix(theme.glyph, theme.accent, 0.35f);
  Fill(target, Polyline(EllipsePoints(centre, 4, 4), 1.1f), ink);
  Fill(target, Polyline(EllipsePoints(centre, 1.6f, 4), 0.9f), WithAlpha(ink, 0.8f));
  Fill(target, Strokes({{{centre.x - 4, centre.y}, {centre.x + 4, centre.y}}}, 0.9f),
       WithAlpha(ink, 0.8f));
}

}  // namespace vx::skingen
