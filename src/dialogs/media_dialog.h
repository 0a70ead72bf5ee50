#pragma once

#include "dialogs/list_pick_dialog.h"

namespace vx {

// "Multimedia": one of seven media keys; the page turns the index into its consumer usage.
class CMediaDialog : public ListPickDialog {
 public:
  explicit CMediaDialog(const SkinnedDialogContext& context);

 private:
  std::vector<std::wstring> Entries() const override;
};

}  // namespace vx
