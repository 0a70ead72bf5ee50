#include "tools/skingen/backgrounds.h"

#include "tools/skingen/chrome.h"
#include "tools/skingen/decorations.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/page_frame.h"
#include "tools/skingen/panels.h"
#include "tools/skingen/record_buttons.h"

namespace vx::skingen {
namespace {

constexpr Box kPointerCard{24, 150, 440, 610};
constexpr Box kMacroCard{450, 150, 878, 610};

void DrawPointerCard(Pixmap& target, const Theme& theme) {
  DrawCard(target, kPointerCard, theme);
  const Box headings[] = {layout::kSpeedHeading, layout::kScrollHeading,
                          layout::kDoubleClickHeading};
  for (int row = 0; row < 3; ++row) {
    DrawHeadingUnderline(target, headings[row], theme);
    DrawSlot(target,
             Union(layout::PointerSegment(row, 0),
                   layout::PointerSegment(row, layout::kPointerSegments - 1))
                 .Inset(-3),
             4, theme);
  }
  DrawDivider(target, kPointerCard.left + 12, kPointerCard.right - 12, 295, theme);
  DrawDivider(target, kPointerCard.left + 12, kPointerCard.right - 12, 445, theme);
  DrawCardFooter(target, kPointerCard, layout::kPointerDefault.top - 6, theme);
}

void DrawColumnHeader(Pixmap& target, const Theme& theme) {
  const Box band = Union(layout::kSelectMacroHeading, layout::kRecordHeading);
  DrawSlot(target, band, 3, theme);
  DrawColumnRule(target, layout::kSequenceHeading.left, band, theme);
  DrawColumnRule(target, layout::kRecordHeading.left, band, theme);
}

void DrawMacroCard(Pixmap& target, const Theme& theme) {
  DrawCard(target, kMacroCard, theme);
  DrawHeadingUnderline(target, layout::kMacroHeading, theme);
  DrawColumnHeader(target, theme);
  DrawWell(target, layout::kMacroNameList, 1, theme);
  DrawWell(target, layout::kMacroNameEdit, 1, theme);
  DrawWell(target, layout::kEventList, 1, theme);
  DrawRecordButton(target, layout::kStartRecording, RecordSymbol::kRecord, theme);
  DrawRecordButton(target, layout::kStopRecording, RecordSymbol::kStop, theme);
  DrawWell(target, layout::kLoopEdit, 1, theme);
  DrawChoiceBox(target, layout::kMouseEventBox, layout::kMouseEventBox.right - 16, theme);
  DrawSlot(target, Union(layout::kNew, layout::kConfirm).Inset(-3), 5, theme);
}

}  // namespace

Pixmap AdvancedPageBackground(const Theme& theme) {
  Pixmap image(layout::kWindowWidth, layout::kWindowHeight);
  DrawMainBackdrop(image, theme);
  DrawPageHeader(image, Page::kAdvanced, theme);
  DrawPointerCard(image, theme);
  DrawMacroCard(image, theme);
  DrawPageFooter(image, theme);
  DrawWindowFrame(image, theme);
  return image;
}

}  // namespace vx::skingen
