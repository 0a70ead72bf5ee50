#include "tools/skingen/preview_parts.h"

#include <string>

#include "tools/skingen/layout.h"

namespace vx::skingen {
namespace {

void DrawKeySection(Pixmap& target, const std::vector<SkinImage>& skin) {
  const char* functions[] = {"Left Click", "Right Click", "Mid Click",
                             "Forward",    "Backward",    "DPI Loop",
                             "Fire Key",   "Shift DPI",   "Combo Key-left Win+D",
                             "RGB On/Off"};
  for (int n = 0; n < layout::kDropDownCount; ++n) {
    const Box box = layout::DropDown(n);
    Put(target, skin, n == 3 ? "DropdownBox-over.png" : "DropdownBox-normal.png", box);
    DrawLabel(target, {box.left, box.top, box.left + 20, box.bottom}, std::to_string(n + 1),
              Align::kCentre, UiTextColour());
    DrawLabel(target, {box.left + 26, box.top, box.right, box.bottom}, functions[n], Align::kLeft,
              UiTextColour());
  }
  PutButton(target, skin, layout::kModeA, "Mode A", true);
  PutButton(target, skin, layout::kModeB, "Mode B", false);
  PutButton(target, skin, layout::kKeyDefault, "Default", false);
}

void DrawRateSection(Pixmap& target, const std::vector<SkinImage>& skin) {
  const char* rates[] = {"125", "250", "500", "1000"};
  for (int n = 0; n < layout::kRateCount; ++n) {
    const Box cell = layout::RateCell(n);
    Put(target, skin, n == 3 ? "slider-RP-light.png" : "slider-RP-dark.png", cell);
    DrawLabel(target, {cell.left, cell.bottom + 4, cell.right, cell.bottom + 18}, rates[n],
              Align::kTopCentre, UiTextColour());
  }
}

void DrawDpiSection(Pixmap& target, const std::vector<SkinImage>& skin) {
  const int values[] = {250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4800};
  const int index[] = {1, 4, 7, 10};
  const Rgba colours[] = {Rgb8(255, 60, 60), Rgb8(60, 220, 90), Rgb8(60, 130, 255),
                          Rgb8(255, 200, 40)};
  for (int j = 0; j < layout::kDpiSegments; ++j) {
    const Box cell = layout::DpiCell(0, j);
    DrawLabel(target, {cell.left - 40, cell.top, cell.left - 10, cell.bottom},
              std::to_string(values[j]), Align::kRight, UiTextColour(), 6);
  }
  for (int s = 0; s < layout::kDpiStages; ++s) {
    for (int j = 0; j < layout::kDpiSegments; ++j) {
      Put(target, skin, j <= index[s] ? "slider-DPI-light.png" : "slider-DPI-dark.png",
          layout::DpiCell(s, j));
    }
    DrawChild(target, layout::DpiSwatch(s), colours[s]);
    Put(target, skin, s == 2 ? "Pane.png" : "PaneMakingTick.png", layout::DpiTick(s));
    const Box tick = layout::DpiTick(s);
    DrawLabel(target, {tick.left, tick.bottom + 5, tick.right, tick.bottom + 19},
              std::to_string(s + 1), Align::kTopCentre, UiTextColour());
  }
  const float first = layout::DpiTick(0).left;
  DrawLabel(target, {first - 60, 523, first - 10, 539}, "Color", Align::kRight, UiTextColour());
  DrawLabel(target, {first - 60, 541, first - 10, 557}, "Select", Align::kRight, UiTextColour());
}

void DrawLightSection(Pixmap& target) {
  const char* labels[] = {"Mode", "Parameter", "Effect"};
  const char* values[] = {"Standard", "55%", "RGB Effect"};
  for (int n = 0; n < layout::kLightBoxes; ++n) {
    const Box box = layout::LightBox(n);
    DrawChild(target, {box.left, box.top, layout::kLightFieldRight, box.bottom}, Rgb8(0, 0, 0));
    DrawLabel(target, {box.left, box.top, layout::kLightFieldRight, box.bottom}, values[n],
              Align::kCentre, UiTextColour(), 6);
    DrawLabel(target, {box.left - 70, box.top, box.left - 10, box.bottom}, labels[n], Align::kRight,
              UiTextColour());
  }
}

}  // namespace

Pixmap BasicPagePreview(const std::vector<SkinImage>& skin) {
  Pixmap page = Find(skin, "BasicSet2.png");
  DrawPageCommon(page, skin, "Basic Settings", "Apply");
  DrawKeySection(page, skin);
  DrawRateSection(page, skin);
  DrawDpiSection(page, skin);
  DrawLightSection(page);
  const std::pair<Box, const char*> headings[] = {{layout::kKeyHeading, "Key Setting"},
                                                  {layout::kRateHeading, "Report Rate Setting"},
                                                  {layout::kDpiHeading, "DPI Setting"},
                                                  {layout::kLightHeading, "DPI Effect"}};
  for (const auto& [box, text] : headings) {
    DrawLabel(page, box, text, Align::kCentre, UiTextColour());
  }
  return page;
}

}  // namespace vx::skingen
