#include "ui/background_canvas.h"

#include "ui/image_blend.h"

namespace vx {

BackgroundCanvas LoadBackground(WindowSystem& windows, ImagePort& images,
                                const std::wstring& path) {
  BackgroundCanvas background;
  std::optional<DecodedImage> image = images.Decode(path);
  if (!image) return background;
  background.width = image->width;
  background.height = image->height;
  PremultiplyAlpha(*image);
  background.canvas = windows.CreateCanvas(image->width, image->height);
  if (background.canvas) DrawImageOnto(*background.canvas, *image, 0, 0);
  return background;
}

}  // namespace vx
