#pragma once

#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/skin_painter.h"
#include "ui/text_port.h"

namespace vx {

enum class SkinControlKind {
  kTextButton,  // "/button-normal.png", "/button-over.png" with a centred label
  kIconButton,  // stem + "-normal.png" / "-over.png", no label
  kDropDown,    // "/DropdownBox-..." with its number and the function's text
};

// A control drawn into the canvas and hit-tested by its rectangle; the image is drawn at the
// rectangle's top-left corner.
struct SkinControl {
  int key = 0;  // identifies the control's hover flag
  SkinControlKind kind = SkinControlKind::kTextButton;
  Rect rect;
  std::wstring stem;    // icon buttons: "/button-min" etc.
  std::wstring label;   // text buttons: the label; drop-downs: the function's text
  std::wstring number;  // drop-downs: "1".."10"
  int group = 0;        // controls of a group are never shown hovered together; 0: alone
};

void DrawSkinControl(SkinPainter& painter, const SkinControl& control, bool over,
                     const FontSpec& font);

// The first control whose rectangle contains the point, in the table's order.
const SkinControl* HitTest(const std::vector<SkinControl>& controls, Point point);

}  // namespace vx
