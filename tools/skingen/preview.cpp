#include "tools/skingen/preview.h"

#include "tools/skingen/layout.h"
#include "tools/skingen/preview_parts.h"
#include "tools/skingen/raster.h"

namespace vx::skingen {

void Put(Pixmap& target, const std::vector<SkinImage>& skin, const std::string& file_name,
         Box box) {
  target.Draw(Find(skin, file_name), static_cast<int>(box.left), static_cast<int>(box.top));
}

void PutButton(Pixmap& target, const std::vector<SkinImage>& skin, Box box, std::string_view label,
               bool over) {
  Put(target, skin, over ? "button-over.png" : "button-normal.png", box);
  DrawLabel(target, box, label, Align::kCentre, UiTextColour());
}

void DrawChild(Pixmap& target, Box box, Rgba brush) {
  FillBox(target, box, brush);
}

void DrawPageCommon(Pixmap& target, const std::vector<SkinImage>& skin, std::string_view title,
                    std::string_view hovered_button) {
  Put(target, skin, "button-min-normal.png", layout::kMinimiseIcon);
  Put(target, skin, "button-close-normal.png", layout::kCloseIcon);
  Put(target, skin, "button-Skins-normal.png", layout::kSkinsIcon);
  Put(target, skin, "button-PrePage-normal.png", layout::kPreviousPage);
  Put(target, skin, "button-NextPage-over.png", layout::kNextPage);
  const std::pair<Box, std::string_view> bottom[] = {
      {layout::kOk, "OK"}, {layout::kApply, "Apply"}, {layout::kCancel, "Cancel"}};
  for (const auto& [box, label] : bottom) {
    PutButton(target, skin, box, label, label == hovered_button);
  }
  DrawLabel(target, layout::kPageTitle, title, Align::kLeft, UiTextColour(), 11);
  DrawLabel(target, layout::kWebText, "www.vantorelliax.com", Align::kCentre, UiTextColour());
}

std::vector<PreviewView> Previews(const std::vector<SkinImage>& skin) {
  std::vector<PreviewView> views;
  views.push_back({"basic", BasicPagePreview(skin)});
  views.push_back({"advanced", AdvancedPagePreview(skin)});
  views.push_back({"dialogs", DialogsPreview(skin)});
  return views;
}

}  // namespace vx::skingen
