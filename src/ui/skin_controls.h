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

// Controls of one group are never shown hovered together.
enum HoverGroup : int {
  kGroupAlone = 0,
  kGroupBottomButtons,
  kGroupPageArrows,
  kGroupDropDowns,
  kGroupMacroButtons,
};

// Hover keys: the window frame's controls lie below 100; each page section takes a hundred of
// its own.
inline constexpr int kSectionKeyStep = 100;

// A control drawn into the canvas and hit-tested by its rectangle; the image is drawn at the
// rectangle's top-left corner.
struct SkinControl {
  int key = 0;  // identifies the control's hover flag
  SkinControlKind kind = SkinControlKind::kTextButton;
  Rect rect;
  std::wstring stem;    // icon buttons: "/button-min" etc.
  std::wstring label;   // text buttons: the label; drop-downs: the function's text
  std::wstring number;  // drop-downs: "1".."10"
  int group = kGroupAlone;
};

SkinControl TextButton(int key, Rect rect, const std::wstring& label, int group);
SkinControl IconButton(int key, Rect rect, const wchar_t* stem, int group);

void DrawSkinControl(SkinPainter& painter, const SkinControl& control, bool over,
                     const FontSpec& font);

// The first control whose rectangle contains the point, in the table's order.
const SkinControl* HitTest(const std::vector<SkinControl>& controls, Point point);

}  // namespace vx
