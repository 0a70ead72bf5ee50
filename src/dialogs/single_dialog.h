#pragma once

#include "dialogs/key_capture.h"
#include "dialogs/skinned_dialog.h"

namespace vx {

// "Single Key": the key the user presses, by the system's name for it.
class CSingleDialog : public SkinnedDialog {
 public:
  explicit CSingleDialog(const SkinnedDialogContext& context);

  // The key captured last, read after OK; empty when none was.
  const CapturedKey& key() const { return key_; }

  bool PreTranslateMessage(const Message& message) override;
  std::optional<intptr_t> OnUserMessage(uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  bool OnHelp() override { return true; }
  void OnDestroy() override { capture_.Remove(); }

 private:
  bool InitContent() override;
  void DrawOwnTexts(SkinPainter& white) override;

  KeyCapture capture_;
  CapturedKey key_;
  WindowHandle field_ = kNoWindow;
};

}  // namespace vx
