#pragma once

#include <string>
#include <vector>

#include "dialogs/pick_list.h"
#include "dialogs/skinned_dialog.h"

namespace vx {

// A dialog that only picks one entry of a fixed list (the media and Windows-function keys): the
// name field shows the pick, entry 0 until another is picked.
class ListPickDialog : public SkinnedDialog {
 public:
  // The picked entry, read after OK.
  int index() const { return pick_list_.picked().index; }
  const std::wstring& name() const { return pick_list_.picked().text; }

  bool PreTranslateMessage(const Message& message) override;
  bool OnListNotification(int id, int code, WindowHandle list) override {
    return pick_list_.OnListNotification(id, code, list);
  }

 protected:
  ListPickDialog(const SkinnedDialogContext& context, Frame frame, PickList::Layout layout);
  virtual std::vector<std::wstring> Entries() const = 0;

 private:
  bool InitContent() override;
  void OnContentClick(Point p) override;
  void CloseListsOutside(Point p) override { pick_list_.CloseOutside(p); }

  PickList pick_list_;
};

}  // namespace vx
