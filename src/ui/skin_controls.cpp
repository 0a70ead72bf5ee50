#include "ui/skin_controls.h"

namespace vx {

namespace {

// The number sits in the box's first 20 pixels and the function's text after it; both keep a
// few pixels off the cell's divider so they do not touch the artwork.
constexpr int kDropDownNumberWidth = 20;
constexpr int kDropDownPadding = 6;

std::wstring ImageName(const SkinControl& control, bool over) {
  const wchar_t* state = over ? L"-over.png" : L"-normal.png";
  switch (control.kind) {
    case SkinControlKind::kTextButton:
      return std::wstring(L"/button") + state;
    case SkinControlKind::kDropDown:
      return std::wstring(L"/DropdownBox") + state;
    case SkinControlKind::kIconButton:
      break;
  }
  return control.stem + state;
}

}  // namespace

SkinControl TextButton(int key, Rect rect, const std::wstring& label, int group) {
  return {key, SkinControlKind::kTextButton, rect, L"", label, L"", group};
}

SkinControl IconButton(int key, Rect rect, const wchar_t* stem, int group) {
  return {key, SkinControlKind::kIconButton, rect, stem, L"", L"", group};
}

void DrawSkinControl(SkinPainter& painter, const SkinControl& control, bool over,
                     const FontSpec& font) {
  const Rect& r = control.rect;
  painter.Image(ImageName(control, over), r.left, r.top);
  if (control.kind == SkinControlKind::kTextButton) {
    painter.Text(control.label, r, kTextCentred, font);
  } else if (control.kind == SkinControlKind::kDropDown) {
    painter.Text(control.number,
                 {r.left + kDropDownPadding, r.top, r.left + kDropDownNumberWidth, r.bottom},
                 kTextLeft, font);
    painter.Text(control.label,
                 {r.left + kDropDownNumberWidth + kDropDownPadding, r.top, r.right, r.bottom},
                 kTextLeft, font);
  }
}

const SkinControl* HitTest(const std::vector<SkinControl>& controls, Point point) {
  for (const SkinControl& control : controls) {
    if (control.rect.Contains(point)) return &control;
  }
  return nullptr;
}

}  // namespace vx
