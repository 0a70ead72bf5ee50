#include "tools/skingen/backgrounds.h"

#include "tools/skingen/chrome.h"
#include "tools/skingen/decorations.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/mouse_art.h"
#include "tools/skingen/page_frame.h"
#include "tools/skingen/panels.h"

namespace vx::skingen {
namespace {

void DrawHeroCard(Pixmap& target, const Theme& theme) {
  const Box card{12, 150, 228, 610};
  DrawCard(target, card, theme);
  DrawSpotlight(target, card.Inset(1), {card.Center().x, 370}, theme);
  DrawMouse(target, {card.Center().x, 372}, 124, theme);
}

void DrawKeyCard(Pixmap& target, const Theme& theme) {
  DrawCard(target, {236, 150, 482, 610}, theme);
  DrawHeadingUnderline(target, layout::kKeyHeading, theme);
  DrawSlot(target,
           Union(layout::DropDown(0), layout::DropDown(layout::kDropDownCount - 1)).Inset(-3), 5,
           theme);
  DrawSlot(target, Union(layout::kModeA, layout::kModeB).Inset(-3), 5, theme);
  DrawSlot(target, layout::kKeyDefault.Inset(-3), 5, theme);
}

void DrawRateCard(Pixmap& target, const Theme& theme) {
  DrawCard(target, {490, 150, 878, 252}, theme);
  DrawHeadingUnderline(target, layout::kRateHeading, theme);
  DrawSlot(target, Union(layout::RateCell(0), layout::RateCell(layout::kRateCount - 1)).Inset(-3),
           4, theme);
}

void DrawDpiCard(Pixmap& target, const Theme& theme) {
  DrawCard(target, {490, 262, 684, 610}, theme);
  DrawHeadingUnderline(target, layout::kDpiHeading, theme);
  DrawScaleTicks(target, layout::DpiCell(0, 0).left - 7,
                 layout::DpiCell(0, layout::kDpiSegments - 1).top, layout::DpiCell(0, 0).bottom,
                 layout::kDpiSegments, theme);
  for (int stage = 0; stage < layout::kDpiStages; ++stage) {
    DrawSlot(target,
             Union(layout::DpiCell(stage, 0), layout::DpiCell(stage, layout::kDpiSegments - 1))
                 .Inset(-2),
             4, theme);
    DrawWell(target, layout::DpiSwatch(stage), 1, theme);
  }
}

void DrawLightCard(Pixmap& target, const Theme& theme) {
  const Box card{692, 262, 878, 610};
  DrawCard(target, card, theme);
  DrawHeadingUnderline(target, layout::kLightHeading, theme);
  for (int n = 0; n < layout::kLightBoxes; ++n) {
    DrawChoiceBox(target, layout::LightBox(n), layout::kLightFieldRight, theme);
  }
  DrawLightRing(target, {card.Center().x, 520}, 46, theme);
}

}  // namespace

Pixmap BasicPageBackground(const Theme& theme) {
  Pixmap image(layout::kWindowWidth, layout::kWindowHeight);
  DrawMainBackdrop(image, theme);
  DrawPageHeader(image, Page::kBasic, theme);
  DrawHeroCard(image, theme);
  DrawKeyCard(image, theme);
  DrawRateCard(image, theme);
  DrawDpiCard(image, theme);
  DrawLightCard(image, theme);
  DrawPageFooter(image, theme);
  DrawWindowFrame(image, theme);
  return image;
}

}  // namespace vx::skingen
