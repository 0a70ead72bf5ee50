#pragma once

#include <string>
#include <unordered_map>

#include "ui/canvas.h"
#include "ui/image_port.h"

namespace vx {

// Loads, premultiplies and blends skin PNGs onto a canvas. With the cache, decoded images are
// kept per path and reused while the file's stamp stays the same; what is drawn is the same as
// without it, only faster.
class SkinImageDrawer {
 public:
  SkinImageDrawer(ImagePort& images, bool cache) : images_(images), cache_(cache) {}

  // Draws the image at its natural size with its top-left corner at (x, y). False, with the
  // canvas untouched, when the canvas is null or the file cannot be loaded.
  bool DrawSkinImage(Canvas* canvas, const std::wstring& path, int x, int y);
  // Gives back every decoded image.
  void Forget() { entries_ = {}; }

 private:
  struct Entry {
    FileStamp stamp;
    DecodedImage image;
  };

  // The file's image ready to draw, or null when it cannot be loaded.
  const DecodedImage* LoadCached(const std::wstring& path);

  ImagePort& images_;
  bool cache_;
  std::unordered_map<std::wstring, Entry> entries_;
};

}  // namespace vx
