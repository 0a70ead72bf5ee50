#include "tools/skingen/preview_parts.h"

#include <string>

#include "tools/skingen/layout.h"

namespace vx::skingen {
namespace {

const Rgba kListBrush = Rgb8(14, 15, 14);

void DrawSlider(Pixmap& target, const std::vector<SkinImage>& skin, int row, int value) {
  for (int n = 0; n < layout::kPointerSegments; ++n) {
    const Box segment = layout::PointerSegment(row, n);
    Put(target, skin, n < value ? "slider-light.png" : "slider-dark.png", segment);
    DrawLabel(target, {segment.left, segment.bottom + 3, segment.right, segment.bottom + 17},
              std::to_string(n + 1), Align::kTopCentre, UiTextColour(), 6);
  }
}

void DrawPointerSection(Pixmap& target, const std::vector<SkinImage>& skin) {
  const std::pair<Box, const char*> headings[] = {
      {layout::kSpeedHeading, "Mouse Speed"},
      {layout::kScrollHeading, "Scrolling Speed"},
      {layout::kDoubleClickHeading, "Double-Click Speed"}};
  const int values[] = {6, 3, 6};
  for (int row = 0; row < 3; ++row) {
    DrawLabel(target, headings[row].first, headings[row].second, Align::kCentre, UiTextColour());
    DrawSlider(target, skin, row, values[row]);
  }
  Put(target, skin, "PaneMakingTick.png", layout::kPrecisionTick);
  Put(target, skin, "Pane.png", layout::kOneScreenTick);
  for (const auto& [tick, text] : {std::pair{layout::kPrecisionTick, "Enhance Pointer Precision"},
                                   std::pair{layout::kOneScreenTick, "Scroll One Screen"}}) {
    DrawLabel(target, {tick.right + 10, tick.top, 408, tick.bottom}, text, Align::kLeft,
              UiTextColour());
  }
  PutButton(target, skin, layout::kPointerDefault, "Default", false);
}

void DrawList(Pixmap& target, Box box, std::initializer_list<const char*> rows, int selected) {
  DrawChild(target, box, kListBrush);
  float y = box.top + 1;
  int n = 0;
  for (const char* row : rows) {
    const Box line{box.left, y, box.right, y + 15};
    if (n++ == selected) DrawChild(target, line, Rgb8(0, 120, 215));
    DrawLabel(target, line.Inset(3, 0), row, Align::kLeft, UiTextColour(), 6);
    y += 15;
  }
}

void DrawMacroSection(Pixmap& target, const std::vector<SkinImage>& skin) {
  DrawList(target, layout::kMacroNameList, {"Reload", "Sprint jump", "Build 3"}, 0);
  DrawList(target, layout::kEventList,
           {"R   Dn", "50 ms", "R   Up", "50 ms", "Q   Dn", "50 ms", "Q   Up"}, 2);
  DrawLabel(target, layout::kMacroNameCaption, "Macro Name", Align::kLeft, UiTextColour());
  DrawChild(target, layout::kMacroNameEdit, Rgb8(0, 0, 0));
  DrawLabel(target, layout::kMacroNameEdit.Inset(3, 0), "Reload", Align::kLeft, UiTextColour(), 6);
  DrawLabel(target, layout::kStartNote, "Start Recording", Align::kLeft, UiTextColour());
  DrawLabel(target, layout::kStopNote, "Stop Recording", Align::kLeft, UiTextColour());
  DrawLabel(target, layout::kLoopCaption, "Loop Times", Align::kLeft, UiTextColour());
  DrawChild(target, layout::kLoopEdit, Rgb8(0, 0, 0));
  DrawLabel(target, layout::kLoopEdit.Inset(3, 0), "1", Align::kLeft, UiTextColour(), 6);
  DrawLabel(target, layout::kMouseEventCaption, "Insert A Mouse Event", Align::kLeft,
            UiTextColour());
  const std::pair<Box, const char*> buttons[] = {
      {layout::kNew, "New"}, {layout::kDelete, "Delete"}, {layout::kConfirm, "Confirm"}};
  for (const auto& [box, label] : buttons) PutButton(target, skin, box, label, false);
  const std::pair<Box, const char*> headings[] = {{layout::kMacroHeading, "Macro Setting"},
                                                  {layout::kSelectMacroHeading, "Select Macro"},
                                                  {layout::kSequenceHeading, "Key Press Sequence"},
                                                  {layout::kRecordHeading, "Record Option"}};
  for (const auto& [box, text] : headings) {
    DrawLabel(target, box, text, Align::kCentre, UiTextColour());
  }
}

}  // namespace

Pixmap AdvancedPagePreview(const std::vector<SkinImage>& skin) {
  Pixmap page = Find(skin, "AdvancedSet2.png");
  DrawPageCommon(page, skin, "Advanced Settings", "OK");
  DrawPointerSection(page, skin);
  DrawMacroSection(page, skin);
  return page;
}

}  // namespace vx::skingen
