#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/window_system.h"

namespace vx {

// A list box that a window opens over its drawn controls when a box is clicked and closes
// again: visible, bordered, notifying, with a scroll bar when its entries overflow unless the
// window asks for none.
class PopupList {
 public:
  explicit PopupList(WindowSystem& windows, bool scroll_bar = true)
      : windows_(windows), scroll_bar_(scroll_bar) {}
  PopupList(const PopupList&) = delete;
  PopupList& operator=(const PopupList&) = delete;
  ~PopupList() { Close(); }

  void Open(WindowHandle parent, int id, Rect rect, const std::vector<std::wstring>& entries,
            const FontSpec& font);
  void Close();

  bool is_open() const { return handle_ != kNoWindow; }
  // True when the window is this open list.
  bool Is(WindowHandle window) const { return is_open() && window == handle_; }
  WindowHandle handle() const { return handle_; }
  // In the parent's client coordinates.
  const Rect& rect() const { return rect_; }
  bool Contains(Point parent_point) const { return is_open() && rect_.Contains(parent_point); }

  // Selects the entry under a screen point, as the pointer moves over the list.
  std::optional<int> SelectAt(Point screen);
  // -1 when nothing is selected.
  int Selection() const;

 private:
  WindowSystem& windows_;
  bool scroll_bar_;
  WindowHandle parent_ = kNoWindow;
  WindowHandle handle_ = kNoWindow;
  Rect rect_;
};

}  // namespace vx
