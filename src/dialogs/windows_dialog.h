#pragma once

#include "dialogs/list_pick_dialog.h"

namespace vx {

// "Windows": one of eleven application-launch and browser functions.
class CWindowsDialog : public ListPickDialog {
 public:
  explicit CWindowsDialog(const SkinnedDialogContext& context);

 private:
  std::vector<std::wstring> Entries() const override;
};

}  // namespace vx
