#pragma once

#include <string>
#include <string_view>

#include "tools/skingen/preview_text.h"
#include "tools/skingen/skin.h"

namespace vx::skingen {

// Draws the skin image with its top-left corner at the box's.
void Put(Pixmap& target, const std::vector<SkinImage>& skin, const std::string& file_name, Box box);
// A text button with its label; `over` picks the hovered image.
void PutButton(Pixmap& target, const std::vector<SkinImage>& skin, Box box, std::string_view label,
               bool over);
// A child control the program creates (list, edit or static), filled with its brush colour.
void DrawChild(Pixmap& target, Box box, Rgba brush);
// Everything both pages draw over their background: icons, arrows, the bottom row, the title.
void DrawPageCommon(Pixmap& target, const std::vector<SkinImage>& skin, std::string_view title,
                    std::string_view hovered_button);

Pixmap BasicPagePreview(const std::vector<SkinImage>& skin);
Pixmap AdvancedPagePreview(const std::vector<SkinImage>& skin);
Pixmap DialogsPreview(const std::vector<SkinImage>& skin);

}  // namespace vx::skingen
