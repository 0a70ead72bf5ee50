#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/popup_list.h"
#include "ui/window_system.h"

namespace vx {

// The list under a name field that five dialogs share: a click in its drop zone opens or closes
// it, a click elsewhere closes it, the entry under the pointer is selected as it moves, and a
// selection change or double click picks an entry into the name field.
class PickList {
 public:
  struct Layout {
    int field_id = 0;
    Rect field;
    bool centred = false;
    Rect drop_zone;  // the field and a strip to its right
    int list_id = 0;
    Rect list;
  };

  PickList(WindowSystem& windows, Layout layout) : windows_(windows), layout_(layout), list_(windows, false) {}

  // The entry picked last, and shown in the name field.
  struct Pick {
    int index = 0;
    std::wstring text;
  };

  // The name field, among the dialog's controls, showing the pick the dialog starts with.
  void CreateField(WindowHandle dialog, const FontSpec& font, Pick initial);
  const Pick& picked() const { return picked_; }
  // Runs before the list opens and after it closes (the combo and fire-key dialogs disable and
  // enable their edit boxes around it).
  void SetOpenHooks(std::function<void()> before_open, std::function<void()> after_close);

  bool InDropZone(Point p) const { return layout_.drop_zone.Contains(p); }
  bool is_open() const { return list_.is_open(); }
  WindowHandle list() const { return list_.handle(); }
  void Toggle(WindowHandle dialog, const FontSpec& font, const std::vector<std::wstring>& entries);
  void CloseOutside(Point p);
  // Selects the entry under the pointer; for the dialog's pre-translation.
  void PreTranslate(const Message& message);
  // True when the notification was this list's; a selection picks the entry.
  bool OnListNotification(int id, int code, WindowHandle list);
  // While the list is open, a wheel message scrolls it three lines, up for a positive delta,
  // wherever the pointer is, and goes no further (true).
  bool Wheel(const Message& message);

 private:
  void Close();

  WindowSystem& windows_;
  Layout layout_;
  PopupList list_;
  WindowHandle field_ = kNoWindow;
  Pick picked_;
  std::function<void()> before_open_;
  std::function<void()> after_close_;
};

}  // namespace vx
