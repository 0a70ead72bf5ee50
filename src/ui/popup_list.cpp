#include "ui/popup_list.h"

namespace vx {

void PopupList::Open(WindowHandle parent, int id, Rect rect,
                     const std::vector<std::wstring>& entries, const FontSpec& font) {
  Close();
  ControlSpec spec;
  spec.kind = ControlKind::kListBox;
  spec.id = id;
  spec.rect = rect;
  spec.style = kStyleVisible | kStyleBorder | kStyleNotify;
  if (scroll_bar_) spec.style |= kStyleVScroll;
  spec.font = font;
  handle_ = windows_.CreateControl(parent, spec);
  if (handle_ == kNoWindow) return;
  parent_ = parent;
  rect_ = rect;
  for (const std::wstring& entry : entries) windows_.ListAddString(handle_, entry);
}

// A clicked list has the focus; it goes back to the window first, or keys would come without
// one, as system keys.
void PopupList::Close() {
  if (handle_ == kNoWindow) return;
  if (windows_.FocusedWindow() == handle_) windows_.SetFocus(parent_);
  windows_.DestroyWindow(handle_);
  handle_ = kNoWindow;
}

std::optional<int> PopupList::SelectAt(Point screen) {
  if (!is_open()) return std::nullopt;
  const std::optional<int> item =
      windows_.ListItemFromPoint(handle_, windows_.ScreenToClient(handle_, screen));
  if (item) windows_.ListSetSelection(handle_, *item);
  return item;
}

int PopupList::Selection() const {
  return is_open() ? windows_.ListSelection(handle_) : -1;
}

}  // namespace vx
