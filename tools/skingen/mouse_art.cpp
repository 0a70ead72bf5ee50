#include "tools/skingen/mouse_art.h"

#include "tools/skingen/brand.h"
#include "tools/skingen/polygon.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {
namespace {

// Points in units of the mouse's width, origin at its centre.
struct Frame {
  Vec2 centre;
  float size;
  Vec2 operator()(float x, float y) const { return {centre.x + x * size, centre.y + y * size}; }
};

Shape Body(const Frame& f) {
  Path left(f(0, -0.88f));
  left.CurveTo(f(-0.24f, -0.88f), f(-0.44f, -0.76f), f(-0.47f, -0.46f))
      .CurveTo(f(-0.5f, -0.16f), f(-0.4f, 0.04f), f(-0.42f, 0.26f))
      .CurveTo(f(-0.45f, 0.58f), f(-0.34f, 0.9f), f(0, 0.9f));
  return Polygon(MirroredOutline(left.points(), f.centre.x));
}

std::vector<Vec2> ButtonSeam(const Frame& f) {
  Path seam(f(-0.5f, -0.3f));
  seam.CurveTo(f(-0.3f, -0.24f), f(-0.12f, -0.22f), f(0, -0.22f));
  return MirroredOutline(seam.points(), f.centre.x);
}

void DrawShell(Pixmap& target, const Shape& body, const Frame& f, const Theme& theme) {
  // So wide a glow hides the outline's detail; a rounded box gives the same light for less work.
  const Box extent{f(-0.44f, 0).x, f(0, -0.86f).y, f(0.44f, 0).x, f(0, 0.88f).y};
  Glow(target, RoundedBox(extent, f.size * 0.4f), WithAlpha(theme.accent, 0.16f), f.size * 0.28f);
  Glow(target, Moved(body, {0, f.size * 0.03f}), Rgb8(0, 0, 0, 0.7f), f.size * 0.06f);
  Fill(target, body,
       RadialGradient(f(-0.12f, -0.3f), f.size * 1.2f,
                      {{0, Lighter(theme.face_top, 0.06f)},
                       {0.55f, theme.face_bottom},
                       {1, Darker(theme.face_bottom, 0.35f)}}));
  Fill(target, InnerBand(body, 1.2f), Mix(theme.face_edge, theme.accent, 0.15f));
  Fill(target,
       Intersect(body, Polygon(EllipsePoints(f(-0.16f, -0.46f), f.size * 0.18f, f.size * 0.32f))),
       Rgb8(255, 255, 255, 0.05f));
}

void DrawButtons(Pixmap& target, const Shape& body, const Frame& f, const Theme& theme) {
  const Rgba seam = Rgb8(0, 0, 0, 0.75f);
  Fill(target, Intersect(body, Polyline(ButtonSeam(f), 1.4f)), seam);
  Fill(target, Strokes({{f(0, -0.9f), f(0, -0.22f)}}, 1.4f), seam);
  const Box well{f(-0.085f, -0.76f).x, f(0, -0.76f).y, f(0.085f, 0).x, f(0, -0.38f).y};
  Fill(target, RoundedBox(well, well.Width() / 2), Darker(theme.slot, 0.3f));
  const Box wheel = well.Inset(well.Width() * 0.22f, well.Width() * 0.18f);
  Glow(target, RoundedBox(wheel, wheel.Width() / 2), WithAlpha(theme.accent, 0.35f), 5);
  Fill(target, RoundedBox(wheel, wheel.Width() / 2),
       LinearGradient({wheel.left, 0}, {wheel.right, 0},
                      {{0, Darker(theme.accent, 0.45f)},
                       {0.5f, theme.accent},
                       {1, Darker(theme.accent, 0.45f)}}));
  for (float y = wheel.top + 4; y < wheel.bottom - 2; y += 4) {
    Fill(target, Strokes({{{wheel.left + 1, y}, {wheel.right - 1, y}}}, 0.8f),
         Rgb8(0, 0, 0, 0.35f));
  }
  const Box dpi{f(-0.05f, 0).x, f(0, -0.32f).y, f(0.05f, 0).x, f(0, -0.26f).y};
  Fill(target, RoundedBox(dpi, 2), theme.face_edge);
}

void DrawSideButtons(Pixmap& target, const Frame& f, const Theme& theme) {
  for (float top : {-0.16f, 0.03f}) {
    const Box side{f(-0.475f, 0).x, f(0, top).y, f(-0.425f, 0).x, f(0, top + 0.16f).y};
    Fill(target, RoundedBox(side, side.Width() / 2), theme.face_edge);
    Fill(target, InnerBand(RoundedBox(side, side.Width() / 2), 1), Rgb8(0, 0, 0, 0.4f));
  }
}

void DrawTailLight(Pixmap& target, const Shape& body, const Frame& f, const Theme& theme) {
  Path tail(f(-0.36f, 0.62f));
  tail.CurveTo(f(-0.28f, 0.8f), f(-0.14f, 0.82f), f(0, 0.82f));
  const Shape strip = Intersect(body, Polyline(MirroredOutline(tail.points(), f.centre.x), 2.2f));
  Glow(target, strip, WithAlpha(theme.accent, 0.5f), 7);
  Fill(target, strip, theme.accent_light);
  DrawEmblem(target, f(0, 0.42f), f.size * 0.2f, theme);
}

// A lit ring on the floor under the mouse.
void DrawFloor(Pixmap& target, const Frame& f, const Theme& theme) {
  const Vec2 c = f(0, 0.86f);
  const std::vector<Vec2> ring = EllipsePoints(c, f.size * 0.62f, f.size * 0.11f);
  Fill(target, Polygon(ring),
       RadialGradient(c, f.size * 0.62f,
                      {{0, WithAlpha(theme.accent, 0.12f)}, {1, WithAlpha(theme.accent, 0.02f)}}));
  Fill(target, Polyline(ring, 1), WithAlpha(theme.accent, 0.35f));
}

}  // namespace

void DrawMouse(Pixmap& target, Vec2 centre, float size, const Theme& theme) {
  const Frame f{centre, size};
  const Shape body = Body(f);
  DrawFloor(target, f, theme);
  DrawShell(target, body, f, theme);
  DrawButtons(target, body, f, theme);
  DrawSideButtons(target, f, theme);
  DrawTailLight(target, body, f, theme);
}

}  // namespace vx::skingen
