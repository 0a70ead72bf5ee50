#pragma once

#include <string>
#include <vector>

#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

struct SkinImage {
  std::string file_name;  // as the program asks for it, without the leading "/"
  Pixmap picture;
};

// Every image of a skin folder.
std::vector<SkinImage> BuildSkin(const Theme& theme);
// The image of that name in a built skin; the skin must hold it.
const Pixmap& Find(const std::vector<SkinImage>& skin, const std::string& file_name);

}  // namespace vx::skingen
