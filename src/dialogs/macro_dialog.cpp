#include "dialogs/macro_dialog.h"

#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout;
using namespace dialog_layout::macro_key;

constexpr SkinnedDialog::ColourRules kColours{.lists = true, .list_background = true,
                                               .statics = true};
constexpr PickList::Layout kMacroPick{.field_id = kMacroFieldId,
                                      .field = kWideNameField,
                                      .drop_zone = kWideNameZone,
                                      .list_id = kMacroListId,
                                      .list = kMacroList};

}  // namespace

CMacroDialog::CMacroDialog(const SkinnedDialogContext& context)
    : SkinnedDialog(context,
                    {705, L"/macro-key.png", L"Macro Key Dialog Load background image failed!!!"},
                    kColours),
      pick_list_(context.windows, kMacroPick),
      mode_notes_{RepeatModeNote(1), RepeatModeNote(2), RepeatModeNote(3)} {}

bool CMacroDialog::InitContent() {
  pick_list_.CreateField(window(), context().font, {});
  ChooseRepeatMode(1);
  return true;
}

// The tick boxes live in the background itself, drawn into it when they change.
void CMacroDialog::ChooseRepeatMode(uint8_t mode) {
  if (mode == repeat_mode_) return;
  SkinPainter painter = Painter(context().text_colour);
  if (repeat_mode_ != 0) {
    const Rect old = RepeatModeTick(repeat_mode_);
    painter.Image(L"/Pane.png", old.left, old.top);
  }
  const Rect box = RepeatModeTick(mode);
  painter.Image(L"/PaneMakingTick.png", box.left, box.top);
  repeat_mode_ = mode;
  Present();
}

void CMacroDialog::DrawOwnTexts(SkinPainter& white) {
  const FontSpec& font = context().font;
  white.Text(texts().macro_prompt, kPrompt, kTextCentred, font);
  for (size_t i = 0; i < mode_notes_.size(); ++i) {
    mode_notes_[i] = white.CentredNote(texts().repeat_modes[i], mode_notes_[i], font);
  }
}

void CMacroDialog::OnContentClick(Point p) {
  if (pick_list_.InDropZone(p)) {
    pick_list_.Toggle(window(), context().font, context().macro_names);
  }
  for (uint8_t mode = 1; mode <= 3; ++mode) {
    if (RepeatModeTick(mode).Contains(p)) ChooseRepeatMode(mode);
  }
}

bool CMacroDialog::PreTranslateMessage(const Message& message) {
  pick_list_.PreTranslate(message);
  return pick_list_.Wheel(message) || SkinnedDialog::PreTranslateMessage(message);
}

}  // namespace vx
