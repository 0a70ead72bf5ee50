#include "support/fake_images.h"

#include <cstring>

#include "layout/dialogs.h"
#include "layout/main_window.h"

namespace vx::test {

FakeImages::FakeImages() {
  const std::pair<const wchar_t*, std::pair<int, int>> images[] = {
      {L"/main.png", {main_layout::kWidth, main_layout::kHeight}},
      {L"/BasicSet2.png", {main_layout::kWidth, main_layout::kHeight}},
      {L"/AdvancedSet2.png", {main_layout::kWidth, main_layout::kHeight}},
      {L"/button-normal.png", {105, 21}},
      {L"/button-over.png", {105, 21}},
      {L"/button-close-normal.png", {18, 18}},
      {L"/button-close-over.png", {18, 18}},
      {L"/button-min-normal.png", {18, 18}},
      {L"/button-min-over.png", {18, 18}},
      {L"/button-Skins-normal.png", {18, 18}},
      {L"/button-Skins-over.png", {18, 18}},
      {L"/button-PrePage-normal.png", {40, 40}},
      {L"/button-PrePage-over.png", {40, 40}},
      {L"/button-NextPage-normal.png", {40, 40}},
      {L"/button-NextPage-over.png", {40, 40}},
      {L"/DropdownBox-normal.png", {211, 21}},
      {L"/DropdownBox-over.png", {211, 21}},
      {L"/Pane.png", {16, 16}},
      {L"/PaneMakingTick.png", {16, 16}},
      {L"/slider-light.png", {24, 11}},
      {L"/slider-dark.png", {24, 11}},
      {L"/slider-DPI-light.png", {16, 16}},
      {L"/slider-DPI-dark.png", {16, 16}},
      {L"/slider-RP-light.png", {70, 11}},
      {L"/slider-RP-dark.png", {70, 11}},
      {L"/single-key.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/combo-key.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/fire-key.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/delay-time.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/media-key.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/windows-key.png", {dialog_layout::kWidth, dialog_layout::kTallHeight}},
      {L"/macro-key.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/skins.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
      {L"/profiles.png", {dialog_layout::kWidth, dialog_layout::kHeight}},
  };
  for (const auto& [name, size] : images) sizes_[name] = size;
}

uint32_t FakeImages::ColourOf(const std::wstring& name) {
  uint32_t hash = 2166136261u;
  for (wchar_t c : name) hash = (hash ^ static_cast<uint32_t>(c)) * 16777619u;
  return hash & 0x00FFFFFF;
}

namespace {

// Every skin folder under Skins holds the same images: "/name.png" of any skin's path.
std::wstring NameInSkin(const std::wstring& path) {
  const std::wstring root = std::wstring(kSkinsRoot) + L"/";
  if (path.rfind(root, 0) != 0) return {};
  const size_t name_at = path.find(L'/', root.size());
  if (name_at == std::wstring::npos) return {};
  return path.substr(name_at);
}

}  // namespace

std::optional<DecodedImage> FakeImages::Decode(const std::wstring& path) {
  ++decodes[NameInSkin(path)];
  return Image(path);
}

std::optional<DecodedImage> FakeImages::Image(const std::wstring& path) const {
  const std::wstring name = NameInSkin(path);
  if (name.empty()) return std::nullopt;
  // "name@2x.png" is the image at twice the size, in a colour of its own.
  const bool twice = name.size() > 7 && name.compare(name.size() - 7, 7, L"@2x.png") == 0;
  const auto found = sizes_.find(twice ? name.substr(0, name.size() - 7) + L".png" : name);
  if (found == sizes_.end() || (twice && !with_twice_size)) return std::nullopt;
  DecodedImage image;
  image.width = found->second.first * (twice ? 2 : 1);
  image.height = found->second.second * (twice ? 2 : 1);
  image.has_alpha = true;
  image.pixels.resize(static_cast<size_t>(image.width * image.height) * 4);
  const uint32_t colour = ColourOf(name) | 0xFF000000u;
  for (size_t i = 0; i < image.pixels.size(); i += 4) std::memcpy(&image.pixels[i], &colour, 4);
  if (with_clear_corner.contains(twice ? name.substr(0, name.size() - 7) + L".png" : name)) {
    std::memset(image.pixels.data(), 0, 4);
  }
  return image;
}

std::optional<FileStamp> FakeImages::Stamp(const std::wstring& path) {
  if (!Image(path)) return std::nullopt;
  return FileStamp{1, 1};
}

}  // namespace vx::test
