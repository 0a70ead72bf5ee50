#include "ui/skin_painter.h"

#include "ui/display_scale.h"
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
  const DisplayScale scale = canvas_->scale();
  windows_.Text().DrawString(*canvas_, text, ToDevice(rect, scale), format, ToDevice(font, scale),
                             text_colour_);
}

// Measured at the device size, as the text will be drawn, so its lines break where they will.
Rect SkinPainter::CentredNote(const std::wstring& text, Rect rect, const FontSpec& font,
                              uint32_t format) {
  if (canvas_ == nullptr) return rect;
  const DisplayScale scale = canvas_->scale();
  const Rect needed = ToLayout(windows_.Text().MeasureText(text, ToDevice(rect, scale),
                                                           kTextMeasureWrap, ToDevice(font, scale)),
                               scale);
  const int inset = (rect.Height() - needed.Height()) / 2;
  const Rect centred{rect.left, rect.top + inset, rect.right, rect.bottom - inset};
  Text(text, centred, format, font);
  return centred;
}

void SkinPainter::Present() {
  if (canvas_ != nullptr) windows_.PresentCanvas(window_, *canvas_);
}

}  // namespace vx
