#include "tools/skingen/theme.h"

namespace vx::skingen {
namespace {

Theme Emerald() {
  return {.name = "Emerald",
          .accent = Rgb8(40, 224, 128),
          .accent_light = Rgb8(170, 255, 206),
          .base_top = Rgb8(18, 22, 24),
          .base_bottom = Rgb8(9, 11, 12),
          .title = Rgb8(13, 16, 17),
          .panel = Rgb8(22, 27, 29),
          .panel_edge = Rgb8(42, 51, 54),
          .slot = Rgb8(9, 11, 12),
          .face_top = Rgb8(40, 47, 50),
          .face_bottom = Rgb8(27, 32, 35),
          .face_edge = Rgb8(58, 68, 72),
          .field = Rgb8(13, 16, 17),
          .glyph = Rgb8(160, 172, 176),
          .danger = Rgb8(232, 72, 85),
          .brand = Rgb8(216, 224, 226)};
}

Theme Cobalt() {
  return {.name = "Cobalt",
          .accent = Rgb8(58, 150, 255),
          .accent_light = Rgb8(176, 212, 255),
          .base_top = Rgb8(17, 20, 28),
          .base_bottom = Rgb8(8, 10, 14),
          .title = Rgb8(12, 14, 20),
          .panel = Rgb8(21, 25, 34),
          .panel_edge = Rgb8(40, 47, 64),
          .slot = Rgb8(8, 10, 14),
          .face_top = Rgb8(38, 44, 59),
          .face_bottom = Rgb8(26, 30, 41),
          .face_edge = Rgb8(56, 65, 88),
          .field = Rgb8(12, 14, 20),
          .glyph = Rgb8(158, 168, 188),
          .danger = Rgb8(232, 72, 85),
          .brand = Rgb8(214, 220, 234)};
}

}  // namespace

const std::vector<Theme>& Themes() {
  static const std::vector<Theme> themes = {Emerald(), Cobalt()};
  return themes;
}

Rgba UiTextColour() {
  return Rgb8(96, 228, 140);
}

}  // namespace vx::skingen
