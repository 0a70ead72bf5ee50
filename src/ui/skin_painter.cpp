#include "ui/skin_painter.h"

#include "ui/skin_image.h"

namespace vx {

bool SkinPainter::Image(const std::wstring& name, int x, int y) {
  if (canvas_ == nullptr) return false;
  const bool drawn = drawer_.DrawSkinImage(canvas_, skin_dir_ + name, x, y);
  if (!drawn && on_image_failed_) on_image_failed_();
  return drawn;
}

void SkinPainter::Text(const std::wstring& text, Rect rect, uint32_t format, const FontSpec& font) {
  if (canvas_ == nullptr) return;
  windows_.Text().DrawString(*canvas_, text, rect, format, font, text_colour_);
}

Rect SkinPainter::CentredNote(const std::wstring& text, Rect rect, const FontSpec& font,
                              uint32_t format) {
  if (canvas_ == nullptr) return rect;
  const Rect needed = windows_.Text().MeasureText(text, rect, kTextMeasureWrap, font);
  const int inset = (rect.Height() - needed.Height()) / 2;
  const Rect centred{rect.left, rect.top + inset, rect.right, rect.bottom - inset};
  windows_.Text().DrawString(*canvas_, text, centred, format, font, text_colour_);
  return centred;
}

void SkinPainter::Present() {
  if (canvas_ != nullptr) windows_.PresentCanvas(window_, *canvas_);
}

}  // namespace vx
