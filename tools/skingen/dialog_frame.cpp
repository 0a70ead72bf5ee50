#include "tools/skingen/dialog_frame.h"

#include "tools/skingen/chrome.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/panels.h"
#include "tools/skingen/raster.h"

namespace vx::skingen {

Pixmap DialogBase(int height, const Theme& theme) {
  Pixmap dialog = Filled(layout::kDialogWidth, height, theme.panel);
  DrawTitleBar(dialog, theme, 7);
  DrawSlot(dialog, Union(layout::kDialogOk, layout::kDialogCancel).Inset(-3), 5, theme);
  return dialog;
}

}  // namespace vx::skingen
