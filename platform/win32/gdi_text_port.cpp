#include <windows.h>

#include "platform/system_drawing.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/gdi_font.h"
#include "platform/win32/scoped_gdi.h"

namespace vx {

namespace {

RECT ToRect(Rect rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

class GdiTextPort : public TextPort {
 public:
  void DrawString(Canvas& canvas, const std::wstring& text, Rect rect, uint32_t format,
                  const FontSpec& font, Rgb colour) override {
    auto* dib = dynamic_cast<DibCanvas*>(&canvas);
    const HFONT handle = fonts_.Get(font);
    if (dib == nullptr || !dc_ || handle == nullptr) return;
    const ScopedSelectObject bitmap(dc_.get(), dib->bitmap());
    if (!bitmap.ok()) return;
    const ScopedSelectObject selected_font(dc_.get(), handle);
    SetBkMode(dc_.get(), TRANSPARENT);
    SetTextColor(dc_.get(), RGB(colour.red, colour.green, colour.blue));
    RECT area = ToRect(rect);
    // GDI leaves 0 in the alpha byte of every pixel it writes. No harm: the canvas reaches the
    // screen by BitBlt, which ignores alpha, and an image blended on top uses its own alpha.
    DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &area,
              format & ~DT_MODIFYSTRING);
    // GDI may batch its work; the canvas's pixels are read directly after this.
    GdiFlush();
  }

  Rect MeasureText(const std::wstring& text, Rect rect, uint32_t format,
                   const FontSpec& font) override {
    RECT area = ToRect(rect);
    const HFONT handle = fonts_.Get(font);
    if (!dc_ || handle == nullptr) return rect;
    const ScopedSelectObject selected_font(dc_.get(), handle);
    DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &area,
              (format | DT_CALCRECT) & ~DT_MODIFYSTRING);
    return {area.left, area.top, area.right, area.bottom};
  }

 private:
  ScopedDc dc_{CreateCompatibleDC(nullptr)};
  GdiFontCache fonts_;
};

}  // namespace

std::unique_ptr<TextPort> CreateGdiTextPort() {
  return std::make_unique<GdiTextPort>();
}

}  // namespace vx
