#pragma once

#include <string_view>

#include "tools/skingen/shape.h"

namespace vx::skingen {

// A squared, chamfered capital letter face made of strokes: the maker's wordmark and the
// preview's stand-in labels. Lower-case letters are drawn as capitals.
struct TextStyle {
  float cap_height = 9;
  float stroke = 1.5f;
  float spacing = 1.6f;  // between letters, in cap heights / 6
};

float TextWidth(std::string_view text, const TextStyle& style);
// The text with the top-left corner of its first capital at `origin`.
Shape TextShape(std::string_view text, Vec2 origin, const TextStyle& style);

}  // namespace vx::skingen
