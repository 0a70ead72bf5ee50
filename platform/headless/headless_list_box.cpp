#include "platform/headless/headless_list_box.h"

#include <algorithm>

namespace vx::headless {

namespace {

bool IsList(const HeadlessWindow& control) {
  return control.spec.kind == ControlKind::kListBox;
}

int Count(const HeadlessWindow& list) {
  return static_cast<int>(list.items.size());
}

int ClientHeight(const HeadlessWindow& control) {
  return std::max(0, control.spec.rect.Height() - 2 * ControlClientInset(control));
}

// Whole items that fit; a partly shown last row does not count, and there is always one.
int PageSize(const HeadlessWindow& list) {
  return std::max(1, ClientHeight(list) / ListItemHeight(list));
}

bool ShowsScrollBar(const HeadlessWindow& control) {
  return IsList(control) && (control.spec.style & kStyleVScroll) != 0 &&
         Count(control) > PageSize(control);
}

}  // namespace

int ControlClientInset(const HeadlessWindow& control) {
  // Wine's edit box draws its border inside its client area.
  const bool framed = (control.spec.style & kStyleBorder) != 0;
  return framed && control.spec.kind != ControlKind::kEdit ? 1 : 0;
}

Rect ControlClientRect(const HeadlessWindow& control) {
  const int bar = ShowsScrollBar(control) ? kScrollBarWidth : 0;
  const int width = control.spec.rect.Width() - 2 * ControlClientInset(control) - bar;
  return {0, 0, std::max(0, width), ClientHeight(control)};
}

int ListItemHeight(const HeadlessWindow& list) {
  return list.font ? std::max(1, list.font->height) : kSystemFontItemHeight;
}

std::optional<int> ListItemAt(const HeadlessWindow& list, Point client) {
  if (list.items.empty() || !ControlClientRect(list).Contains(client)) return std::nullopt;
  const int index = list.top_index + client.y / ListItemHeight(list);
  if (index >= Count(list)) return std::nullopt;
  return index;
}

Rect ListItemRectOf(const HeadlessWindow& list, int index) {
  // An empty list still answers for its first row.
  const bool valid = (index >= 0 && index < Count(list)) || (index == 0 && list.items.empty());
  if (!valid) return {};
  const int height = ListItemHeight(list);
  const int top = (index - list.top_index) * height;
  return {0, top, ControlClientRect(list).right, top + height};
}

void ListScrollTo(HeadlessWindow& list, int top) {
  const int last_page = std::max(0, Count(list) - PageSize(list));
  list.top_index = std::clamp(top, 0, last_page);
}

void ListSelect(HeadlessWindow& list, int index) {
  if (index < 0 || index >= Count(list)) {
    list.selection = -1;
    return;
  }
  list.selection = index;
  const int page = PageSize(list);
  if (index < list.top_index) ListScrollTo(list, index);
  if (index >= list.top_index + page) ListScrollTo(list, index - page + 1);
}

void ListInsert(HeadlessWindow& list, int index, const std::wstring& text) {
  const int at = index < 0 || index > Count(list) ? Count(list) : index;
  list.items.insert(list.items.begin() + at, text);
  if (list.selection >= at) ++list.selection;
}

void ListDelete(HeadlessWindow& list, int index) {
  if (index < 0 || index >= Count(list)) return;
  list.items.erase(list.items.begin() + index);
  if (index == list.selection) {
    list.selection = -1;
  } else if (index < list.selection) {
    --list.selection;
  }
  // Wine scrolls back only when the scroll bar has just gone.
  if (Count(list) == PageSize(list)) list.top_index = 0;
}

// Wine turns the delta into lines at once, a page at most per notch, and keeps the remainder
// until the wheel turns the other way.
void ListWheel(HeadlessWindow& list, int delta) {
  const bool same_way =
      (delta < 0 && list.wheel_remainder < 0) || (delta > 0 && list.wheel_remainder > 0);
  list.wheel_remainder = same_way ? list.wheel_remainder + delta : delta;
  if (list.wheel_remainder == 0) return;
  const int lines = std::min(PageSize(list), kWheelScrollLines);
  const int scroll = lines * list.wheel_remainder / kWheelDelta;
  list.wheel_remainder -= kWheelDelta * scroll / lines;
  ListScrollTo(list, list.top_index - scroll);
}

}  // namespace vx::headless
