#pragma once

#include <string>
#include <vector>

#include "tools/skingen/color.h"

namespace vx::skingen {

// The colours of one skin. The program redraws a control's images over each other without
// restoring what lay beneath, so every control image is opaque and carries, in its corners, the
// flat colour of the place it sits on: `title`, `panel` or `slot`.
struct Theme {
  std::string name;
  Rgba accent;        // lit meters, hover edges, glows
  Rgba accent_light;  // the bright core of lit parts
  Rgba base_top;      // window body behind the cards
  Rgba base_bottom;
  Rgba title;       // title bar and bottom bar
  Rgba panel;       // cards and dialog bodies
  Rgba panel_edge;  // card borders
  Rgba slot;        // recesses that hold controls
  Rgba face_top;    // raised control faces
  Rgba face_bottom;
  Rgba face_edge;
  Rgba field;  // interiors of boxes and lists
  Rgba glyph;  // neutral icons
  Rgba danger;
  Rgba brand;  // the wordmark
};

const std::vector<Theme>& Themes();

// The interface text colour both skins are drawn for; str.ini's RColor, GColor and BColor.
Rgba UiTextColour();

}  // namespace vx::skingen
