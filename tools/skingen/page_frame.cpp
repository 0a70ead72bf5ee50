#include "tools/skingen/page_frame.h"

#include "tools/skingen/chrome.h"
#include "tools/skingen/icons.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/panels.h"
#include "tools/skingen/raster.h"

namespace vx::skingen {
namespace {

constexpr Box kHeaderCard{8, 44, 882, 104};

void DrawPageMarker(Pixmap& target, Page page, const Theme& theme) {
  const float y = kHeaderCard.Center().y;
  for (int i = 0; i < 2; ++i) {
    const bool current = (i == 0) == (page == Page::kBasic);
    const float left = 826 + 26.0f * static_cast<float>(i);
    const Shape pill = RoundedBox({left, y - 2, left + 20, y + 2}, 2);
    if (current) Glow(target, pill, WithAlpha(theme.accent, 0.4f), 5);
    Fill(target, pill, current ? theme.accent : theme.face_edge);
  }
}

}  // namespace

void DrawMainBackdrop(Pixmap& target, const Theme& theme) {
  DrawWindowBase(target, theme);
  DrawTitleBar(target, theme, 9);
  DrawWebMark(target, layout::kWebSpot.Center() + Vec2{-5.5f, 0}, theme);
  Fill(target, ProfilesGlyph(layout::kProfilesIcon.Center()), theme.glyph);
  DrawBottomBar(target, kBottomBarTop, theme);
}

void DrawPageHeader(Pixmap& target, Page page, const Theme& theme) {
  DrawCard(target, kHeaderCard, theme);
  DrawPageMarker(target, page, theme);
}

void DrawPageFooter(Pixmap& target, const Theme& theme) {
  DrawSlot(target, layout::kWebText.Inset(-4, -3), 13, theme);
  DrawSlot(target, Union(layout::kOk, layout::kCancel).Inset(-3), 5, theme);
}

}  // namespace vx::skingen
