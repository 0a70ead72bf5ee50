#pragma once

#include "dialogs/skinned_dialog.h"

namespace vx {

// The delay of a macro line in milliseconds, as typed; the macro editor clamps it.
class CDelayTimeDialog : public SkinnedDialog {
 public:
  explicit CDelayTimeDialog(const SkinnedDialogContext& context);

  // Read after OK: the number and the text as typed.
  int32_t delay() const { return delay_; }
  const std::wstring& delay_text() const { return delay_text_; }

  bool OnCommand(int id, int code) override;

 private:
  bool InitContent() override;
  void DrawOwnTexts(SkinPainter& white) override;

  WindowHandle box_ = kNoWindow;
  int32_t delay_ = 0;
  std::wstring delay_text_;
};

}  // namespace vx
