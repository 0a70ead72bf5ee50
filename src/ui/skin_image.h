#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ui/canvas.h"
#include "ui/display_scale.h"
#include "ui/image_port.h"

namespace vx {

// A skin image made ready for a scale: premultiplied, at its device size, and the size it has in
// layout units (the 1x file's size).
struct ScaledImage {
  DecodedImage image;
  int layout_width = 0;
  int layout_height = 0;
};

// "dir/name.png" -> "dir/name@2x.png": the same image drawn at twice the size.
std::wstring TwiceSizePath(const std::wstring& path);

// The image for a scale, placed at the layout point (x, y): "name@2x.png" above 100 % when the
// skin has it (its layout size is half its own, an odd side rounding up), else "name.png";
// resampled to the device rectangle the layout rectangle covers there. Nullopt when neither
// file can be loaded.
std::optional<ScaledImage> DecodeAtScale(ImagePort& images, const std::wstring& path,
                                         DisplayScale scale, int x = 0, int y = 0);

// Loads, premultiplies and blends skin PNGs onto a canvas at the canvas's scale. With the cache,
// decoded and resampled images are kept per path and reused while the file's stamp stays the
// same. A file's stamp is asked at its first draw after RecheckFiles, and not again until the
// next: it costs a file open, half a millisecond under Wine, and a page draws dozens of images.
// Right after RecheckFiles what is drawn is the same as without the cache, only faster.
class SkinImageDrawer {
 public:
  SkinImageDrawer(ImagePort& images, bool cache) : images_(images), cache_(cache) {}

  // Draws the image at its layout size with its top-left corner at the layout point (x, y).
  // False, with the canvas untouched, when the canvas is null or the file cannot be loaded.
  bool DrawSkinImage(Canvas* canvas, const std::wstring& path, int x, int y);
  // True when the image drawn at (0, 0) sets every pixel of the canvas to an opaque pixel of its
  // own, so nothing drawn before it can show. With the cache, the draw that follows is free.
  bool CoversCanvas(const Canvas& canvas, const std::wstring& path);
  // For a new look: the next draw of each file sees what it holds now.
  void RecheckFiles();
  // Gives back the images whose file decodes larger than the limit, and every resized copy: a
  // window's buttons cost kilobytes to keep and milliseconds each to decode again, its
  // backgrounds the other way round.
  void ForgetLargerThan(size_t bytes);

 private:
  struct Entry {
    FileStamp stamp;
    DecodedImage image;
    std::vector<DecodedImage> resized;  // at the device sizes asked for so far
    bool checked = true;                // the stamp was asked since the last RecheckFiles
  };

  // The cached image to draw at the layout point for the scale, and the device rectangle it
  // fills; null when no candidate file can be loaded.
  const DecodedImage* CachedAtScale(const std::wstring& path, DisplayScale scale, int x, int y,
                                    Rect& device);
  // The file's image ready to draw, or null when it cannot be loaded.
  Entry* LoadCached(const std::wstring& path);
  const DecodedImage& SizedFor(Entry& entry, int width, int height);

  ImagePort& images_;
  bool cache_;
  std::unordered_map<std::wstring, Entry> entries_;
  // Found missing or unloadable since the last RecheckFiles: the skin has no "@2x" of some
  // images, and every draw of those tries it first.
  std::unordered_set<std::wstring> unloadable_;
};

}  // namespace vx
