#include "tools/skingen/skin.h"

#include <functional>
#include <stdexcept>

#include "tools/skingen/backgrounds.h"
#include "tools/skingen/controls.h"
#include "tools/skingen/dialogs.h"

namespace vx::skingen {
namespace {

// An image in its normal and hovered state: stem + "-normal.png" and stem + "-over.png".
void AddPair(std::vector<SkinImage>& skin, const std::string& stem,
             const std::function<Pixmap(bool over)>& draw) {
  skin.push_back({stem + "-normal.png", draw(false)});
  skin.push_back({stem + "-over.png", draw(true)});
}

void AddControls(std::vector<SkinImage>& skin, const Theme& theme) {
  AddPair(skin, "button", [&](bool over) { return TextButtonImage(theme, over); });
  const auto icon = [&](TitleIcon kind) {
    return [&theme, kind](bool over) { return TitleIconImage(theme, kind, over); };
  };
  AddPair(skin, "button-close", icon(TitleIcon::kClose));
  AddPair(skin, "button-min", icon(TitleIcon::kMinimise));
  AddPair(skin, "button-Skins", icon(TitleIcon::kSkins));
  const auto arrow = [&](Direction direction) {
    return [&theme, direction](bool over) { return PageArrowImage(theme, direction, over); };
  };
  AddPair(skin, "button-PrePage", arrow(Direction::kLeft));
  AddPair(skin, "button-NextPage", arrow(Direction::kRight));
  AddPair(skin, "DropdownBox", [&](bool over) { return DropDownImage(theme, over); });
  skin.push_back({"slider-light.png", MeterSegmentImage(theme, 24, true)});
  skin.push_back({"slider-dark.png", MeterSegmentImage(theme, 24, false)});
  skin.push_back({"slider-RP-light.png", MeterSegmentImage(theme, 70, true)});
  skin.push_back({"slider-RP-dark.png", MeterSegmentImage(theme, 70, false)});
  skin.push_back({"slider-DPI-light.png", DpiCellImage(theme, true)});
  skin.push_back({"slider-DPI-dark.png", DpiCellImage(theme, false)});
  skin.push_back({"Pane.png", CheckBoxImage(theme, false)});
  skin.push_back({"PaneMakingTick.png", CheckBoxImage(theme, true)});
}

void AddBackgrounds(std::vector<SkinImage>& skin, const Theme& theme) {
  skin.push_back({"main.png", MainBackground(theme)});
  skin.push_back({"BasicSet2.png", BasicPageBackground(theme)});
  skin.push_back({"AdvancedSet2.png", AdvancedPageBackground(theme)});
  skin.push_back({"combo-key.png", ComboKeyBackground(theme)});
  skin.push_back({"single-key.png", SingleKeyBackground(theme)});
  skin.push_back({"fire-key.png", FireKeyBackground(theme)});
  skin.push_back({"delay-time.png", DelayTimeBackground(theme)});
  skin.push_back({"media-key.png", MediaKeyBackground(theme)});
  skin.push_back({"windows-key.png", WindowsKeyBackground(theme)});
  skin.push_back({"macro-key.png", MacroKeyBackground(theme)});
  skin.push_back({"skins.png", SkinsBackground(theme)});
  skin.push_back({"profiles.png", ProfilesBackground(theme)});
}

}  // namespace

std::vector<SkinImage> BuildSkin(const Theme& theme) {
  std::vector<SkinImage> skin;
  AddBackgrounds(skin, theme);
  AddControls(skin, theme);
  return skin;
}

const Pixmap& Find(const std::vector<SkinImage>& skin, const std::string& file_name) {
  for (const SkinImage& image : skin) {
    if (image.file_name == file_name) return image.picture;
  }
  throw std::out_of_range("no skin image " + file_name);
}

}  // namespace vx::skingen
