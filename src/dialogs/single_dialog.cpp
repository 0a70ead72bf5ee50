#include "dialogs/single_dialog.h"

#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout::single_key;

constexpr SkinnedDialog::ColourRules kColours{.edits = true, .edit_background = true,
                                               .statics = true};
constexpr uintptr_t kLeftWindowsKey = 91;
constexpr uintptr_t kRightWindowsKey = 92;

}  // namespace

CSingleDialog::CSingleDialog(const SkinnedDialogContext& context)
    : SkinnedDialog(context,
                    {701, L"/single-key.png", L"Single Key Dialog Load background image failed!!!"},
                    kColours),
      capture_(context.windows, context.messages) {}

bool CSingleDialog::InitContent() {
  ControlSpec field;
  field.id = kKeyFieldId;
  field.rect = kKeyField;
  field.style = kStyleVisible | kStyleSunken | kStyleCentre;
  field_ = CreateChild(field);
  return capture_.Install(window(), kMsgSingleKeyCaptured,
                          "KeyboardHook_SingleDlgKey Install error code :%d\n");
}

void CSingleDialog::DrawOwnTexts(SkinPainter& white) {
  white.Text(texts().single_key_prompt, kPrompt, kTextCentred, context().font);
}

// The hook has captured these already: they can be chosen, but they neither close the dialog
// nor reach a control.
bool CSingleDialog::PreTranslateMessage(const Message& message) {
  if (!IsKeyMessage(message.id)) return false;
  if (message.wparam == kLeftWindowsKey || message.wparam == kRightWindowsKey) return true;
  return IsKeyDown(message.id) && (message.wparam == kKeyReturn || message.wparam == kKeyEscape);
}

std::optional<intptr_t> CSingleDialog::OnUserMessage(uint32_t id, uintptr_t, intptr_t) {
  if (id != kMsgSingleKeyCaptured) return std::nullopt;
  key_ = capture_.last();
  windows().SetText(field_, key_.name);
  windows().RepaintControl(field_);
  return 0;
}

}  // namespace vx
