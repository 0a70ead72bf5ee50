#include "tools/skingen/dialog_art.h"

#include "tools/skingen/icons.h"
#include "tools/skingen/polygon.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {
namespace {

constexpr float kHalfRoot3 = 0.8660254f;

Box Square(Vec2 c, float half) {
  return {c.x - half, c.y - half, c.x + half, c.y + half};
}

// A keycap seen from the front and above; `size` is its width.
void DrawKeycap(Pixmap& target, Vec2 c, float size, const Theme& theme) {
  const Box base = Square(c, size / 2);
  const Shape skirt = RoundedBox(base, size * 0.14f);
  Glow(target, Moved(skirt, {0, size * 0.08f}), WithAlpha(theme.accent, 0.22f), size * 0.25f);
  Fill(target, skirt,
       VerticalGradient(base.top, base.bottom, theme.face_bottom, Darker(theme.face_bottom, 0.3f)));
  Fill(target, InnerBand(skirt, 1), theme.face_edge);
  const Box top{base.left + size * 0.11f, base.top + size * 0.06f, base.right - size * 0.11f,
                base.bottom - size * 0.2f};
  const Shape face = RoundedBox(top, size * 0.1f);
  Fill(target, face,
       VerticalGradient(top.top, top.bottom, Lighter(theme.face_top, 0.08f), theme.face_top));
  Fill(target, InnerBand(face, 1), Lighter(theme.face_edge, 0.12f));
  const float y = base.bottom - size * 0.1f;
  const Shape led = Strokes({{{c.x - size * 0.18f, y}, {c.x + size * 0.18f, y}}}, 2);
  Glow(target, led, WithAlpha(theme.accent, 0.6f), 4);
  Fill(target, led, theme.accent_light);
}

Shape Wedge(Vec2 c, float reach, Vec2 to) {
  return Polygon({c, {c.x, c.y - reach}, {c.x + to.x * reach, c.y + to.y * reach}});
}

}  // namespace

void DrawKeycapArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme) {
  DrawArtSpot(target, centre, radius, theme);
  DrawKeycap(target, centre, radius * 0.9f, theme);
}

void DrawKeyPairArt(Pixmap& target, Vec2 centre, float radius, const Theme& theme) {
  DrawArtSpot(target, centre, radius, theme);
  DrawKeycap(target, centre + Vec2{-radius * 0.42f, 0}, radius * 0.56f, theme);
  DrawKeycap(target, centre + Vec2{radius * 0.42f, 0}, radius * 0.56f, theme);
  Fill(target, PlusGlyph(centre, radius * 0.14f, 2.2f), theme.accent_light);
}

void DrawCrosshairArt(Pixmap& target, Vec2 c, float radius, const Theme& theme) {
  DrawArtSpot(target, c, radius, theme);
  const float r = radius * 0.5f;
  Fill(target, Subtract(Circle(c, r + 1.2f), Circle(c, r - 1.2f)), theme.glyph);
  Fill(target, Subtract(Circle(c, r * 0.42f + 1), Circle(c, r * 0.42f - 1)), theme.accent);
  const float in = r * 0.62f;
  const float out = r * 1.3f;
  Fill(target,
       Strokes({{{c.x - out, c.y}, {c.x - in, c.y}},
                {{c.x + in, c.y}, {c.x + out, c.y}},
                {{c.x, c.y - out}, {c.x, c.y - in}},
                {{c.x, c.y + in}, {c.x, c.y + out}}},
               2.2f),
       theme.glyph);
  const Shape dot = Circle(c, 3);
  Glow(target, dot, WithAlpha(theme.accent, 0.7f), 8);
  Fill(target, dot, theme.accent_light);
}

void DrawStopwatchArt(Pixmap& target, Vec2 c, float radius, const Theme& theme) {
  DrawArtSpot(target, c, radius, theme);
  const float r = radius * 0.5f;
  const Vec2 body{c.x, c.y + r * 0.12f};
  Fill(target, RoundedBox({body.x - 5, body.y - r - 9, body.x + 5, body.y - r - 3}, 1.5f),
       theme.glyph);
  Fill(target, Circle(body, r), theme.field);
  const Vec2 hand{kHalfRoot3, -0.5f};
  const Shape ring = Subtract(Circle(body, r - 3), Circle(body, r - 7));
  Glow(target, Intersect(ring, Wedge(body, r * 2, hand)), WithAlpha(theme.accent, 0.4f), 6);
  Fill(target, Intersect(ring, Wedge(body, r * 2, hand)), theme.accent);
  Fill(target, InnerBand(Circle(body, r), 2.5f), theme.glyph);
  Fill(target, Strokes({{body, body + hand * (r * 0.62f)}}, 2.2f), theme.accent_light);
  Fill(target, Circle(body, 3), theme.glyph);
}

}  // namespace vx::skingen
