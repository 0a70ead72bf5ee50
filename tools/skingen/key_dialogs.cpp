#include "tools/skingen/dialogs.h"

#include "tools/skingen/chrome.h"
#include "tools/skingen/decorations.h"
#include "tools/skingen/dialog_art.h"
#include "tools/skingen/dialog_frame.h"
#include "tools/skingen/icons.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/panels.h"
#include "tools/skingen/raster.h"

namespace vx::skingen {
namespace {

constexpr Vec2 kArtCentre{296, 140};
constexpr float kArtRadius = 64;

// The modifier (or key) picker above two entry boxes, joined by plus signs in the combo dialog.
void DrawStackedEntries(Pixmap& dialog, const Theme& theme) {
  DrawChoiceBox(dialog, layout::kNarrowNameZone, layout::kNarrowNameRight, theme);
  DrawWell(dialog, layout::kUpperEntry, 2, theme);
  DrawWell(dialog, layout::kLowerEntry, 2, theme);
}

}  // namespace

Pixmap SingleKeyBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  DrawWell(dialog, layout::kSingleKeyField, 2, theme);
  DrawKeycapArt(dialog, kArtCentre, kArtRadius, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

Pixmap ComboKeyBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  DrawStackedEntries(dialog, theme);
  for (float y : {(layout::kNarrowNameZone.bottom + layout::kUpperEntry.top) / 2,
                  (layout::kUpperEntry.bottom + layout::kLowerEntry.top) / 2}) {
    Fill(dialog, PlusGlyph({layout::kUpperEntry.Center().x, y}, 9, 1.8f), theme.accent);
  }
  DrawKeyPairArt(dialog, kArtCentre, kArtRadius, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

Pixmap FireKeyBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  DrawStackedEntries(dialog, theme);
  DrawCrosshairArt(dialog, {296, 112}, 56, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

Pixmap DelayTimeBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  DrawWell(dialog, layout::kDelayBox, 2, theme);
  DrawStopwatchArt(dialog, kArtCentre, kArtRadius, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

}  // namespace vx::skingen
