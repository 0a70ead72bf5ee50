#pragma once

#include <functional>
#include <string>

#include "ui/canvas.h"
#include "ui/text_port.h"
#include "ui/window_system.h"

namespace vx {

class SkinImageDrawer;

// Drawing into a window's canvas: skin images by name, texts in the skin's colour, and the copy
// of the whole canvas to the window. A window without a canvas draws nothing.
class SkinPainter {
 public:
  // on_image_failed runs when an image cannot be loaded (the dialogs show a message then).
  SkinPainter(WindowSystem& windows, SkinImageDrawer& drawer, WindowHandle window, Canvas* canvas,
              std::wstring skin_dir, Rgb text_colour, std::function<void()> on_image_failed = {})
      : windows_(windows),
        drawer_(drawer),
        window_(window),
        canvas_(canvas),
        skin_dir_(std::move(skin_dir)),
        text_colour_(text_colour),
        on_image_failed_(std::move(on_image_failed)) {}

  bool has_canvas() const { return canvas_ != nullptr; }
  // name begins with "/", as every image name does.
  bool Image(const std::wstring& name, int x, int y);
  void Text(const std::wstring& text, Rect rect, uint32_t format, const FontSpec& font);
  // A word-wrapped note centred vertically in the rectangle: its top and bottom move inwards by
  // half the height the text leaves free (outwards for a text taller than the rectangle).
  // Returns the rectangle it was drawn in, which stays centred when drawn in again.
  // Left-aligned unless the format says otherwise.
  Rect CentredNote(const std::wstring& text, Rect rect, const FontSpec& font,
                   uint32_t format = kTextWrap);
  void Present();

 private:
  WindowSystem& windows_;
  SkinImageDrawer& drawer_;
  WindowHandle window_;
  Canvas* canvas_;
  std::wstring skin_dir_;
  Rgb text_colour_;
  std::function<void()> on_image_failed_;
};

}  // namespace vx
