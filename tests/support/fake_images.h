#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "ui/image_port.h"

namespace vx::test {

inline constexpr wchar_t kSkinsRoot[] = L"C:\\Games\\Mouse\\/Skins";
inline constexpr wchar_t kSkinDir[] = L"C:\\Games\\Mouse\\/Skins/Dusk";

// Skin images in memory, alike in every skin folder: each name is a solid, opaque colour of its
// own (the twice-size file's too), so a canvas pixel tells which image was drawn there last.
class FakeImages : public ImagePort {
 public:
  FakeImages();
  std::optional<DecodedImage> Decode(const std::wstring& path) override;
  std::optional<FileStamp> Stamp(const std::wstring& path) override;

  // The colour (blue, green, red) an image name is drawn in.
  static uint32_t ColourOf(const std::wstring& name);
  void Remove(const std::wstring& name) { sizes_.erase(name); }

  // Whether each image also comes as "name@2x.png"; without, the skin is a 1x-only one.
  bool with_twice_size = true;
  // The names, as "/main.png", whose top-left pixel is clear.
  std::set<std::wstring> with_clear_corner;
  // How often each name was decoded.
  std::map<std::wstring, int> decodes;

 private:
  std::optional<DecodedImage> Image(const std::wstring& path) const;

  std::map<std::wstring, std::pair<int, int>> sizes_;
};

}  // namespace vx::test
