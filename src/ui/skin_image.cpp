#include "ui/skin_image.h"

#include <optional>
#include <utility>

#include "ui/image_blend.h"

namespace vx {

namespace {

// A port's result is drawn only when its pixels match its size.
std::optional<DecodedImage> DecodeForDrawing(ImagePort& images, const std::wstring& path) {
  std::optional<DecodedImage> image = images.Decode(path);
  if (!image || image->width <= 0 || image->height <= 0 ||
      image->pixels.size() !=
          static_cast<size_t>(image->width) * static_cast<size_t>(image->height) * 4) {
    return std::nullopt;
  }
  PremultiplyAlpha(*image);
  return image;
}

}  // namespace

bool SkinImageDrawer::DrawSkinImage(Canvas* canvas, const std::wstring& path, int x, int y) {
  if (canvas == nullptr) return false;
  if (!cache_) {
    const std::optional<DecodedImage> image = DecodeForDrawing(images_, path);
    if (!image) return false;
    DrawImageOnto(*canvas, *image, x, y);
    return true;
  }
  const DecodedImage* image = LoadCached(path);
  if (image == nullptr) return false;
  DrawImageOnto(*canvas, *image, x, y);
  return true;
}

const DecodedImage* SkinImageDrawer::LoadCached(const std::wstring& path) {
  // The stamp is taken before decoding: a file that changes in between is stamped with its
  // older version and so is decoded again on the next draw.
  const std::optional<FileStamp> stamp = images_.Stamp(path);
  if (!stamp) {
    entries_.erase(path);
    return nullptr;
  }
  auto found = entries_.find(path);
  if (found != entries_.end() && found->second.stamp == *stamp) return &found->second.image;
  std::optional<DecodedImage> image = DecodeForDrawing(images_, path);
  if (!image) {
    entries_.erase(path);
    return nullptr;
  }
  Entry& entry = entries_[path];
  entry = {*stamp, std::move(*image)};
  return &entry.image;
}

}  // namespace vx
