#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/pick_list.h"
#include "dialogs/skinned_dialog.h"

namespace vx {

// "Macro Key": one of the macros of record.ini and how it repeats (mode 1, 2 or 3).
class CMacroDialog : public SkinnedDialog {
 public:
  explicit CMacroDialog(const SkinnedDialogContext& context);

  // Read after OK.
  int macro_index() const { return pick_list_.picked().index; }
  const std::wstring& macro_name() const { return pick_list_.picked().text; }
  uint8_t repeat_mode() const { return repeat_mode_; }

  bool PreTranslateMessage(const Message& message) override;
  bool OnListNotification(int id, int code, WindowHandle list) override {
    return pick_list_.OnListNotification(id, code, list);
  }

 private:
  bool InitContent() override;
  void DrawOwnTexts(SkinPainter& white) override;
  void OnContentClick(Point p) override;
  void CloseListsOutside(Point p) override { pick_list_.CloseOutside(p); }
  void ChooseRepeatMode(uint8_t mode);

  PickList pick_list_;
  uint8_t repeat_mode_ = 0;
  // Centred once, then kept.
  std::array<Rect, 3> mode_notes_;
};

}  // namespace vx
