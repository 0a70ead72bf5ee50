#include "tools/skingen/backgrounds.h"

#include "tools/skingen/brand.h"
#include "tools/skingen/chrome.h"
#include "tools/skingen/controls.h"
#include "tools/skingen/decorations.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/mouse_art.h"
#include "tools/skingen/page_frame.h"

namespace vx::skingen {
namespace {

// Without a page nothing draws the title icons, yet their hot spots work.
void DrawTitleIcons(Pixmap& target, const Theme& theme) {
  const auto at = [&](TitleIcon icon, Box box) {
    target.Draw(TitleIconImage(theme, icon, false), static_cast<int>(box.left),
                static_cast<int>(box.top));
  };
  at(TitleIcon::kSkins, layout::kSkinsIcon);
  at(TitleIcon::kMinimise, layout::kMinimiseIcon);
  at(TitleIcon::kClose, layout::kCloseIcon);
}

}  // namespace

Pixmap MainBackground(const Theme& theme) {
  Pixmap image(layout::kWindowWidth, layout::kWindowHeight);
  DrawMainBackdrop(image, theme);
  DrawTitleIcons(image, theme);
  const Box body{1, 31, layout::kWindowWidth - 1, kBottomBarTop};
  DrawSpotlight(image, body, {445, 330}, theme);
  DrawMouse(image, {445, 300}, 150, theme);
  const float cap = 15;
  DrawWordmark(image, {445 - WordmarkWidth(cap) / 2, 500}, cap, theme);
  DrawWindowFrame(image, theme);
  return image;
}

}  // namespace vx::skingen
