#include "dialogs/combo_dialog.h"

#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout;
using namespace dialog_layout::combo_key;

constexpr SkinnedDialog::ColourRules kColours{.edits = true, .edit_background = true,
                                               .lists = true, .list_background = true,
                                               .statics = true};
constexpr PickList::Layout kModifierPick{.field_id = kModifierFieldId,
                                         .field = kNarrowNameField,
                                         .centred = true,
                                         .drop_zone = kNarrowNameZone,
                                         .list_id = kModifierListId,
                                         .list = kModifierList};

}  // namespace

CComboDialog::CComboDialog(const SkinnedDialogContext& context)
    : SkinnedDialog(context,
                    {706, L"/combo-key.png", L"Combo Dialog Load background image failed!!!"},
                    kColours),
      capture_(context.windows, context.messages),
      pick_list_(context.windows, kModifierPick) {
  // While the list is open no key box can have the focus, so nothing is captured.
  pick_list_.SetOpenHooks(
      [this] {
        windows().SetFocus(window());
        EnableKeyBoxes(false);
      },
      [this] { EnableKeyBoxes(true); });
}

bool CComboDialog::InitContent() {
  pick_list_.CreateField(window(), context().font, {});
  ControlSpec box;
  box.kind = ControlKind::kEdit;
  box.style = kStyleVisible | kStyleCentre;
  box.id = kUpperBoxId;
  box.rect = kUpperEntry;
  box1_ = CreateChild(box);
  box.id = kLowerBoxId;
  box.rect = kLowerEntry;
  box2_ = CreateChild(box);
  return capture_.Install(window(), kMsgComboKeyCaptured,
                          "KeyboardHook_ComboDlg Install error code :%d\n");
}

void CComboDialog::EnableKeyBoxes(bool enable) {
  windows().EnableWindow(box1_, enable);
  windows().EnableWindow(box2_, enable);
}

void CComboDialog::OnContentClick(Point p) {
  if (!pick_list_.InDropZone(p)) return;
  pick_list_.Toggle(window(), context().font, {kModifierNames.begin(), kModifierNames.end()});
}

// Enter and Escape can be captured as keys; they do not end the dialog.
bool CComboDialog::PreTranslateMessage(const Message& message) {
  pick_list_.PreTranslate(message);
  return IsKeyDown(message.id) && (message.wparam == kKeyReturn || message.wparam == kKeyEscape);
}

// The key goes to the box that has the focus; the results come only from captures, never from
// what the box shows.
std::optional<intptr_t> CComboDialog::OnUserMessage(uint32_t id, uintptr_t, intptr_t) {
  if (id != kMsgComboKeyCaptured) return std::nullopt;
  const WindowHandle focus = windows().FocusedWindow();
  CapturedKey* target = focus == box1_ ? &key1_ : focus == box2_ ? &key2_ : nullptr;
  if (target == nullptr || focus == kNoWindow) return 0;
  *target = capture_.last();
  windows().SetText(focus, target->name);
  windows().RepaintControl(focus);
  return 0;
}

}  // namespace vx
