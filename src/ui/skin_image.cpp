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

// Drawn at (0, 0).
bool Covers(const DecodedImage& image, const Canvas& canvas) {
  if (image.width < canvas.width() || image.height < canvas.height()) return false;
  if (!image.has_alpha) return true;
  const size_t stride = static_cast<size_t>(image.width) * 4;
  for (int y = 0; y < canvas.height(); ++y) {
    const uint8_t* row = image.pixels.data() + stride * static_cast<size_t>(y);
    for (int x = 0; x < canvas.width(); ++x) {
      if (row[static_cast<size_t>(x) * 4 + 3] != 255) return false;
    }
  }
  return true;
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
  Rect device;
  const DecodedImage* image = CachedAtScale(path, scale, x, y, device);
  if (image == nullptr) return false;
  DrawImageOnto(*canvas, *image, device.left, device.top);
  return true;
}

bool SkinImageDrawer::CoversCanvas(const Canvas& canvas, const std::wstring& path) {
  if (!cache_) {
    const std::optional<ScaledImage> image = DecodeAtScale(images_, path, canvas.scale());
    return image && Covers(image->image, canvas);
  }
  Rect device;
  const DecodedImage* image = CachedAtScale(path, canvas.scale(), 0, 0, device);
  return image != nullptr && Covers(*image, canvas);
}

const DecodedImage* SkinImageDrawer::CachedAtScale(const std::wstring& path, DisplayScale scale,
                                                   int x, int y, Rect& device) {
  for (const auto& [file, factor] : Candidates(path, scale)) {
    Entry* entry = LoadCached(file);
    if (entry == nullptr) continue;
    device = DeviceRect(entry->image, factor, scale, x, y);
    return &SizedFor(*entry, device.Width(), device.Height());
  }
  return nullptr;
}

SkinImageDrawer::Entry* SkinImageDrawer::LoadCached(const std::wstring& path) {
  auto found = entries_.find(path);
  if (found != entries_.end() && found->second.checked) return &found->second;
  if (unloadable_.contains(path)) return nullptr;
  // The stamp is taken before decoding: a file that changes in between is stamped with its
  // older version and so is decoded again after the next recheck.
  const std::optional<FileStamp> stamp = images_.Stamp(path);
  if (stamp && found != entries_.end() && found->second.stamp == *stamp) {
    found->second.checked = true;
    return &found->second;
  }
  std::optional<DecodedImage> image =
      stamp ? DecodeForDrawing(images_, path) : std::optional<DecodedImage>();
  if (!image) {
    entries_.erase(path);
    unloadable_.insert(path);
    return nullptr;
  }
  Entry& entry = entries_[path];
  entry = {*stamp, std::move(*image), {}, true};
  return &entry;
}

void SkinImageDrawer::RecheckFiles() {
  for (auto& [path, entry] : entries_) entry.checked = false;
  unloadable_.clear();
}

void SkinImageDrawer::ForgetLargerThan(size_t bytes) {
  std::erase_if(entries_,
                [bytes](const auto& entry) { return entry.second.image.pixels.size() > bytes; });
  // The next show may come at another scale, and the resized copies are quick to make again.
  for (auto& [path, entry] : entries_) entry.resized.clear();
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
