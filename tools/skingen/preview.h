#pragma once

#include <string>
#include <vector>

#include "tools/skingen/skin.h"

namespace vx::skingen {

struct PreviewView {
  std::string name;
  Pixmap picture;
};

// The pages and dialogs composed as the program shows them, with stand-in texts.
std::vector<PreviewView> Previews(const std::vector<SkinImage>& skin);

}  // namespace vx::skingen
