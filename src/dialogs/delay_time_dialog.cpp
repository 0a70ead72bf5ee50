#include "dialogs/delay_time_dialog.h"

#include "common/text_format.h"
#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout::delay_time;

constexpr SkinnedDialog::ColourRules kColours{.edits = true, .edit_background = true};

}  // namespace

CDelayTimeDialog::CDelayTimeDialog(const SkinnedDialogContext& context)
    : SkinnedDialog(context,
                    {707, L"/delay-time.png", L"DelayTime Dialog Load background image failed!!!"},
                    kColours) {}

bool CDelayTimeDialog::InitContent() {
  ControlSpec box;
  box.kind = ControlKind::kEdit;
  box.id = kDelayBoxId;
  box.rect = kDelayBox;
  box.style = kStyleVisible | kStyleBorder | kStyleNumber | kStyleCentre;
  box_ = CreateChild(box);
  return true;
}

void CDelayTimeDialog::DrawOwnTexts(SkinPainter& white) {
  white.Text(texts().delay_prompt, kPrompt, kTextCentred, context().font);
  white.Text(texts().delay_range, kRange, kTextCentred, context().font);
}

bool CDelayTimeDialog::OnCommand(int id, int code) {
  if (id != kDelayBoxId || code != kEditChanged) return SkinnedDialog::OnCommand(id, code);
  delay_text_ = windows().GetText(box_);
  delay_ = TextToLong(delay_text_);
  windows().RepaintControl(box_);
  return true;
}

}  // namespace vx
