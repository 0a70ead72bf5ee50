#include "tools/skingen/brand.h"

#include "tools/skingen/polygon.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/stroke_font.h"

namespace vx::skingen {
namespace {

constexpr char kMakerName[] = "VANTORELLIAX";

Shape EmblemV(Vec2 c, float s) {
  return Polygon({{c.x - 0.5f * s, c.y - 0.34f * s},
                  {c.x - 0.24f * s, c.y - 0.34f * s},
                  {c.x, c.y + 0.12f * s},
                  {c.x + 0.24f * s, c.y - 0.34f * s},
                  {c.x + 0.5f * s, c.y - 0.34f * s},
                  {c.x + 0.08f * s, c.y + 0.44f * s},
                  {c.x - 0.08f * s, c.y + 0.44f * s}});
}

TextStyle WordmarkStyle(float cap_height) {
  return {cap_height, cap_height * 0.17f, 2.4f};
}

}  // namespace

void DrawEmblem(Pixmap& target, Vec2 centre, float size, const Theme& theme) {
  const Shape v = EmblemV(centre, size);
  Glow(target, v, WithAlpha(theme.accent, 0.28f), size * 0.45f);
  Fill(target, v,
       VerticalGradient(centre.y - 0.34f * size, centre.y + 0.44f * size, theme.accent_light,
                        theme.accent));
  const Vec2 point{centre.x, centre.y - 0.3f * size};
  Fill(target,
       Polygon({{point.x, point.y - 0.16f * size},
                {point.x + 0.1f * size, point.y},
                {point.x, point.y + 0.16f * size},
                {point.x - 0.1f * size, point.y}}),
       theme.brand);
}

void DrawWordmark(Pixmap& target, Vec2 origin, float cap_height, const Theme& theme) {
  Fill(target, TextShape(kMakerName, origin, WordmarkStyle(cap_height)),
       VerticalGradient(origin.y, origin.y + cap_height, theme.brand,
                        Mix(theme.brand, theme.glyph, 0.6f)));
}

float WordmarkWidth(float cap_height) {
  return TextWidth(kMakerName, WordmarkStyle(cap_height));
}

void DrawBrand(Pixmap& target, float left, float middle_y, float cap_height, const Theme& theme) {
  const float emblem = cap_height * 1.9f;
  DrawEmblem(target, {left + emblem / 2, middle_y}, emblem, theme);
  DrawWordmark(target, {left + emblem + cap_height * 0.9f, middle_y - cap_height / 2}, cap_height,
               theme);
}

}  // namespace vx::skingen
