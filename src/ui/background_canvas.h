#pragma once

#include <memory>
#include <string>

#include "ui/canvas.h"
#include "ui/image_port.h"
#include "ui/window_system.h"

namespace vx {

// A window's canvas made from its background image at the window's scale, drawn once (so it stays
// out of the image cache), with the image's layout size; no canvas and a size of 0 x 0 when the
// image cannot be loaded.
struct BackgroundCanvas {
  std::unique_ptr<Canvas> canvas;
  int width = 0;
  int height = 0;
};

BackgroundCanvas LoadBackground(WindowSystem& windows, WindowHandle window, ImagePort& images,
                                const std::wstring& path);

}  // namespace vx
