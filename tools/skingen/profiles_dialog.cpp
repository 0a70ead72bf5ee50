#include "tools/skingen/chrome.h"
#include "tools/skingen/dialog_frame.h"
#include "tools/skingen/dialogs.h"
#include "tools/skingen/layout.h"
#include "tools/skingen/panels.h"

namespace vx::skingen {

// Three columns under their headings: the profiles, the name with the buttons that act on the
// profiles, and the selected profile's programs with theirs. Stacked buttons share one slot.
Pixmap ProfilesBackground(const Theme& theme) {
  Pixmap dialog = DialogBase(layout::kDialogHeight, theme);
  for (const Box heading :
       {layout::kProfilesHeading, layout::kProfileNameHeading, layout::kProgramsHeading}) {
    DrawHeadingUnderline(dialog, heading, theme);
  }
  DrawWell(dialog, layout::kProfileList, 2, theme);
  DrawWell(dialog, layout::kProfileNameEdit, 2, theme);
  DrawWell(dialog, layout::kProgramList, 2, theme);
  const std::pair<Box, Box> stacks[] = {{layout::kProfileNew, layout::kProfileDelete},
                                        {layout::kProfileImport, layout::kProfileExport},
                                        {layout::kAddProgram, layout::kRemoveProgram}};
  for (const auto& [first, last] : stacks) DrawSlot(dialog, Union(first, last).Inset(-3), 5, theme);
  DrawWindowFrame(dialog, theme);
  return dialog;
}

}  // namespace vx::skingen
