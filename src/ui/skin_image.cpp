#include "ui/skin_image.h"

#include <utility>

#include "ui/image_blend.h"
#include "ui/image_resample.h"

namespace vx {

namespace {

constexpr wchar_t kPngExtension[] = L".png";
constexpr int kTwiceSize = 2;

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

// The files to try for a scale, the one drawn at that scale's size first, and the factor by
// which each is larger than its layout size.
std::vector<std::pair<std::wstring, int>> Candidates(const std::wstring& path, DisplayScale scale) {
  if (ImageFactor(scale) == kTwiceSize) return {{TwiceSizePath(path), kTwiceSize}, {path, 1}};
  return {{path, 1}};
}

int LayoutLength(int pixels, int factor) {
  return (pixels + factor - 1) / factor;
}

Rect DeviceRect(const DecodedImage& image, int factor, DisplayScale scale, int x, int y) {
  return ToDevice(
      Rect{x, y, x + LayoutLength(image.width, factor), y + LayoutLength(image.height, factor)},
      scale);
}

}  // namespace

std::wstring TwiceSizePath(const std::wstring& path) {
  const std::wstring extension = kPngExtension;
  if (path.size() < extension.size() ||
      path.compare(path.size() - extension.size(), extension.size(), extension) != 0) {
    return path + L"@2x";
  }
  return path.substr(0, path.size() - extension.size()) + L"@2x" + extension;
}

std::optional<ScaledImage> DecodeAtScale(ImagePort& images, const std::wstring& path,
                                         DisplayScale scale, int x, int y) {
  for (const auto& [file, factor] : Candidates(path, scale)) {
    std::optional<DecodedImage> image = DecodeForDrawing(images, file);
    if (!image) continue;
    const Rect device = DeviceRect(*image, factor, scale, x, y);
    return ScaledImage{Resampled(*image, device.Width(), device.Height()),
                       LayoutLength(image->width, factor), LayoutLength(image->height, factor)};
  }
  return std::nullopt;
}

bool SkinImageDrawer::DrawSkinImage(Canvas* canvas, const std::wstring& path, int x, int y) {
  if (canvas == nullptr) return false;
  const DisplayScale scale = canvas->scale();
  if (!cache_) {
    const std::optional<ScaledImage> image = DecodeAtScale(images_, path, scale, x, y);
    if (!image) return false;
    const Point at = ToDevice(Point{x, y}, scale);
    DrawImageOnto(*canvas, image->image, at.x, at.y);
    return true;
  }
  for (const auto& [file, factor] : Candidates(path, scale)) {
    Entry* entry = LoadCached(file);
    if (entry == nullptr) continue;
    const Rect device = DeviceRect(entry->image, factor, scale, x, y);
    DrawImageOnto(*canvas, SizedFor(*entry, device.Width(), device.Height()), device.left,
                  device.top);
    return true;
  }
  return false;
}

SkinImageDrawer::Entry* SkinImageDrawer::LoadCached(const std::wstring& path) {
  // The stamp is taken before decoding: a file that changes in between is stamped with its
  // older version and so is decoded again on the next draw.
  const std::optional<FileStamp> stamp = images_.Stamp(path);
  if (!stamp) {
    entries_.erase(path);
    return nullptr;
  }
  auto found = entries_.find(path);
  if (found != entries_.end() && found->second.stamp == *stamp) return &found->second;
  std::optional<DecodedImage> image = DecodeForDrawing(images_, path);
  if (!image) {
    entries_.erase(path);
    return nullptr;
  }
  Entry& entry = entries_[path];
  entry = {*stamp, std::move(*image), {}};
  return &entry;
}

// At 125 % and 150 % the device size depends on where the image lies, by a pixel at most.
const DecodedImage& SkinImageDrawer::SizedFor(Entry& entry, int width, int height) {
  if (entry.image.width == width && entry.image.height == height) return entry.image;
  for (const DecodedImage& image : entry.resized) {
    if (image.width == width && image.height == height) return image;
  }
  entry.resized.push_back(Resampled(entry.image, width, height));
  return entry.resized.back();
}

}  // namespace vx
