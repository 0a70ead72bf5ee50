#include "tools/skingen/dialogs.h"

#include "tools/skingen/chrome.h"
#include "tools/skingen/controls.h"
#include "tools/skingen/decorations.h"
#include "tools/skingen/dialog_art.h"
#include "tools/skingen/dialog_frame.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/panels.h"

namespace vx::skingen {
namespace {

constexpr Vec2 kArtCentre{296, 140};
constexpr float kArtRadius = 64;

using Art = void (*)(Pixmap&, Vec2, float, const Theme&);

Pixmap PickDialog(int height, Art art, const Theme& theme) {
  Pixmap dialog = DialogBase(height, theme);
  DrawChoiceBox(dialog, layout::kWideNameZone, layout::kWideNameRight, theme);
  art(dialog, kArtCentre, kArtRadius, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

}  // namespace

Pixmap MediaKeyBackground(const Theme& theme) {
  return PickDialog(layout::kDialogHeight, DrawMediaArt, theme);
}

Pixmap WindowsKeyBackground(const Theme& theme) {
  return PickDialog(layout::kTallDialogHeight, DrawLaunchArt, theme);
}

// The dialog draws only the first tick box at start; the other two show the background.
Pixmap MacroKeyBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  DrawChoiceBox(dialog, layout::kWideNameZone, layout::kWideNameRight, theme);
  DrawSequenceArt(dialog, {96, 74}, 34, theme);
  const Pixmap clear = CheckBoxImage(theme, false);
  for (int n = 0; n < 3; ++n) {
    dialog.Draw(clear, static_cast<int>(layout::MacroModeTick(n).left),
                static_cast<int>(layout::MacroModeTick(n).top));
  }
  DrawWindowFrame(dialog, theme);
  return dialog;
}

Pixmap SkinsBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  DrawChoiceBox(dialog, layout::kWideNameZone, layout::kWideNameRight, theme);
  DrawWell(dialog, layout::kSkinSwatch, 2, theme);
  DrawPaletteArt(dialog, kArtCentre, kArtRadius, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

}  // namespace vx::skingen
