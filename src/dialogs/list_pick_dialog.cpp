#include "dialogs/list_pick_dialog.h"

namespace vx {

namespace {

constexpr SkinnedDialog::ColourRules kColours{.lists = true, .list_background = true,
                                               .statics = true};

}  // namespace

ListPickDialog::ListPickDialog(const SkinnedDialogContext& context, Frame frame,
                               PickList::Layout layout)
    : SkinnedDialog(context, frame, kColours), pick_list_(context.windows, layout) {}

bool ListPickDialog::InitContent() {
  pick_list_.CreateField(window(), context().font, {0, Entries().front()});
  return true;
}

void ListPickDialog::OnContentClick(Point p) {
  if (pick_list_.InDropZone(p)) pick_list_.Toggle(window(), context().font, Entries());
}

bool ListPickDialog::PreTranslateMessage(const Message& message) {
  pick_list_.PreTranslate(message);
  return SkinnedDialog::PreTranslateMessage(message);
}

}  // namespace vx
