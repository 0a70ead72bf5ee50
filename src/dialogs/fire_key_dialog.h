#pragma once

#include <cstdint>

#include "dialogs/pick_list.h"
#include "dialogs/skinned_dialog.h"
#include "layout/dialogs.h"

namespace vx {

// "Fire Key": a key or mouse button from a list of 61, pressed repeatedly at a speed (5..255,
// smaller is faster) a number of times (0..255, 0 until the button is released).
class CFireKeyDialog : public SkinnedDialog {
 public:
  explicit CFireKeyDialog(const SkinnedDialogContext& context);

  // Read after OK.
  int key_index() const { return pick_list_.picked().index; }
  const std::wstring& key_name() const { return pick_list_.picked().text; }
  uint8_t speed() const { return speed_; }
  uint8_t times() const { return times_; }

  bool PreTranslateMessage(const Message& message) override;
  bool OnCommand(int id, int code) override;
  bool OnListNotification(int id, int code, WindowHandle list) override {
    return pick_list_.OnListNotification(id, code, list);
  }

 private:
  bool InitContent() override;
  void DrawOwnTexts(SkinPainter& white) override;
  void OnContentClick(Point p) override;
  void CloseListsOutside(Point p) override { pick_list_.CloseOutside(p); }
  // OK takes a speed still being typed through the same check as leaving its box does.
  void Accept() override { CheckSpeed(); }
  void EnableNumberBoxes(bool enable);
  void CheckSpeed();
  void CheckTimes();

  PickList pick_list_;
  uint8_t speed_ = 32;
  uint8_t times_ = 1;
  WindowHandle speed_box_ = kNoWindow;
  WindowHandle times_box_ = kNoWindow;
  // Centred once, then kept.
  Rect speed_note_ = dialog_layout::fire_key::kSpeedNote;
  Rect times_note_ = dialog_layout::fire_key::kTimesNote;
};

}  // namespace vx
