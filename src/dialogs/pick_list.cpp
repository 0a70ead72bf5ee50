#include "dialogs/pick_list.h"

namespace vx {

namespace {

constexpr int kWheelLines = 3;

}  // namespace

void PickList::CreateField(WindowHandle dialog, const FontSpec& font, Pick initial) {
  picked_ = std::move(initial);
  ControlSpec spec;
  spec.kind = ControlKind::kStatic;
  spec.id = layout_.field_id;
  spec.rect = layout_.field;
  spec.style = kStyleVisible | kStyleSunken;
  if (layout_.centred) spec.style |= kStyleCentre;
  spec.text = picked_.text;
  spec.font = font;
  field_ = windows_.CreateControl(dialog, spec);
}

void PickList::SetOpenHooks(std::function<void()> before_open,
                            std::function<void()> after_close) {
  before_open_ = std::move(before_open);
  after_close_ = std::move(after_close);
}

void PickList::Toggle(WindowHandle dialog, const FontSpec& font,
                      const std::vector<std::wstring>& entries) {
  if (list_.is_open()) {
    Close();
    return;
  }
  if (before_open_) before_open_();
  list_.Open(dialog, layout_.list_id, layout_.list, entries, font);
}

void PickList::Close() {
  if (!list_.is_open()) return;
  list_.Close();
  if (after_close_) after_close_();
}

void PickList::CloseOutside(Point p) {
  if (!list_.Contains(p) && !InDropZone(p)) Close();
}

void PickList::PreTranslate(const Message& message) {
  if (message.id == kMsgMouseMove && list_.Is(message.window)) list_.SelectAt(message.cursor);
}

bool PickList::OnListNotification(int id, int code, WindowHandle list) {
  if (id != layout_.list_id) return false;
  if (!list_.Is(list) || (code != kListSelChange && code != kListDoubleClick)) return true;
  const int index = list_.Selection();
  if (index < 0) return true;
  picked_ = {index, windows_.ListText(list, index)};
  windows_.SetText(field_, picked_.text);
  Close();
  return true;
}

bool PickList::Wheel(const Message& message) {
  if (message.id != kMsgMouseWheel || !list_.is_open()) return false;
  windows_.ListScrollLines(list_.handle(), WheelDelta(message.wparam) > 0 ? -kWheelLines : kWheelLines);
  return true;
}

}  // namespace vx
