#pragma once

#include <memory>

#include "ui/canvas.h"
#include "ui/image_port.h"
#include "ui/text_port.h"

namespace vx {

// PNG decoding: GDI+ on Windows (started by a GdiplusSession), libpng elsewhere.
std::unique_ptr<ImagePort> CreateSystemImagePort();

#ifdef _WIN32
// Text drawn by GDI into canvases made by CreateDibCanvas; other canvases are left alone.
std::unique_ptr<TextPort> CreateGdiTextPort();

// A canvas whose pixels are a DIB section; null when the size is empty or GDI refuses.
std::unique_ptr<Canvas> CreateDibCanvas(int width, int height, DisplayScale scale = {});
#endif

}  // namespace vx
