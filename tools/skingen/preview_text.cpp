#include "tools/skingen/preview_text.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/stroke_font.h"

namespace vx::skingen {

void DrawLabel(Pixmap& target, Box box, std::string_view text, Align align, Rgba colour,
               float cap_height) {
  const TextStyle style{cap_height, cap_height * 0.16f, 1.6f};
  const float width = TextWidth(text, style);
  float x = box.left + 1;
  if (align == Align::kCentre || align == Align::kTopCentre) x = box.Center().x - width / 2;
  if (align == Align::kRight) x = box.right - 1 - width;
  const float y = align == Align::kTopCentre ? box.top + 2 : box.Center().y - cap_height / 2;
  Fill(target, TextShape(text, {x, y}, style), colour);
}

}  // namespace vx::skingen
