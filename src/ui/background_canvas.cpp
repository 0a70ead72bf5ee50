#include "ui/background_canvas.h"

#include "ui/image_blend.h"
#include "ui/skin_image.h"

namespace vx {

BackgroundCanvas LoadBackground(WindowSystem& windows, WindowHandle window, ImagePort& images,
                                const std::wstring& path) {
  BackgroundCanvas background;
  const DisplayScale scale = windows.Scale(window);
  std::optional<ScaledImage> image = DecodeAtScale(images, path, scale);
  if (!image) return background;
  background.width = image->layout_width;
  background.height = image->layout_height;
  background.canvas = windows.CreateCanvas(image->image.width, image->image.height, scale);
  if (background.canvas) DrawImageOnto(*background.canvas, image->image, 0, 0);
  return background;
}

}  // namespace vx
