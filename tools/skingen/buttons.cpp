#include "tools/skingen/controls.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {
namespace {

constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 21;

void DrawFace(Pixmap& target, const Shape& face, Box box, const Theme& theme, bool over) {
  const Rgba top = over ? Mix(theme.face_top, theme.accent, 0.2f) : theme.face_top;
  const Rgba bottom = over ? Mix(theme.face_bottom, theme.accent, 0.12f) : theme.face_bottom;
  Fill(target, face, VerticalGradient(box.top, box.bottom, top, bottom));
  if (over) InnerGlow(target, face, WithAlpha(theme.accent, 0.3f), 7);
  Fill(target, InnerBand(face, 1),
       over ? Mix(theme.face_edge, theme.accent, 0.8f) : theme.face_edge);
  const Shape sheen =
      Strokes({{{box.left + 4, box.top + 1.5f}, {box.right - 4, box.top + 1.5f}}}, 1);
  Fill(target, Intersect(sheen, Grown(face, -1)), Rgb8(255, 255, 255, over ? 0.16f : 0.07f));
}

Shape TitleGlyph(TitleIcon icon, Vec2 centre) {
  switch (icon) {
    case TitleIcon::kSkins:
      return SkinsGlyph(centre);
    case TitleIcon::kMinimise:
      return MinimiseGlyph(centre);
    case TitleIcon::kClose:
      break;
  }
  return CloseGlyph(centre);
}

}  // namespace

Pixmap TextButtonImage(const Theme& theme, bool over) {
  Pixmap image = Filled(kButtonWidth, kButtonHeight, theme.slot);
  const Box box{1, 1, kButtonWidth - 1, kButtonHeight - 1};
  DrawFace(image, RoundedBox(box, 3), box, theme, over);
  if (over) {
    const float y = box.bottom - 2;
    Fill(image, Strokes({{{box.left + 14, y}, {box.right - 14, y}}}, 1.2f),
         LinearGradient({box.left + 14, 0}, {box.right - 14, 0},
                        {{0, WithAlpha(theme.accent_light, 0)},
                         {0.5f, WithAlpha(theme.accent_light, 0.9f)},
                         {1, WithAlpha(theme.accent_light, 0)}}));
  }
  return image;
}

Pixmap TitleIconImage(const Theme& theme, TitleIcon icon, bool over) {
  Pixmap image = Filled(18, 18, theme.title);
  const Rgba tint = icon == TitleIcon::kClose ? theme.danger : theme.accent;
  if (over) {
    const Shape back = RoundedBox({0.5f, 0.5f, 17.5f, 17.5f}, 3.5f);
    Fill(image, back, WithAlpha(tint, 0.22f));
    Fill(image, InnerBand(back, 1), WithAlpha(tint, 0.6f));
  }
  const Rgba ink =
      over ? (icon == TitleIcon::kClose ? Rgb8(255, 236, 238) : theme.accent_light) : theme.glyph;
  Fill(image, TitleGlyph(icon, {9, 9}), ink);
  return image;
}

Pixmap PageArrowImage(const Theme& theme, Direction direction, bool over) {
  Pixmap image = Filled(40, 40, theme.panel);
  const Vec2 centre{20, 20};
  const Shape disc = Circle(centre, 16.5f);
  Glow(image, Circle({20, 21}, 16.5f), Rgb8(0, 0, 0, 0.55f), 3);
  if (over) Glow(image, disc, WithAlpha(theme.accent, 0.45f), 3.5f);
  DrawFace(image, disc, {3.5f, 3.5f, 36.5f, 36.5f}, theme, over);
  const Shape chevron = Chevron(centre, 12, direction, 2.2f);
  if (over) Glow(image, chevron, WithAlpha(theme.accent, 0.5f), 4);
  Fill(image, chevron, over ? theme.accent_light : theme.glyph);
  return image;
}

}  // namespace vx::skingen
