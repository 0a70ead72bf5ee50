#pragma once

#include <optional>
#include <vector>

#include "ui/geometry.h"
#include "ui/skin_controls.h"
#include "ui/skin_painter.h"
#include "ui/window_messages.h"
#include "ui/window_system.h"

namespace vx {

// One section of a settings page (keys, report rate and DPI, lighting; pointer settings,
// macros). The main window draws the page frame and hands each section its share of the page:
// drawing, child controls, clicks, commands and the pre-translated pointer messages.
class PageSection {
 public:
  virtual ~PageSection() = default;

  // Step 4 of building the page: the section's drawn controls, into the page's canvas.
  virtual void Draw(SkinPainter& painter) = 0;
  // Step 5: its child controls (lists, edit boxes, static texts).
  virtual void CreateControls() {}
  // Leaving the page: its child controls and open lists go.
  virtual void DestroyControls() {}
  // A click on the page closes the section's open lists that the click is not in.
  virtual void CloseListsOutside(Point) {}
  // True when the click was the section's.
  virtual bool OnClick(Point) { return false; }
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  // A selection change or double click of one of the section's lists; the list may be closed.
  virtual bool OnListNotification(int /*id*/, int /*code*/, WindowHandle /*list*/) {
    return false;
  }
  // True swallows the message.
  virtual bool PreTranslate(const Message&) { return false; }
  // A message of the program's own (WM_USER and above) that the main window does not answer.
  virtual std::optional<intptr_t> OnUserMessage(uint32_t /*id*/, uintptr_t /*wparam*/,
                                                intptr_t /*lparam*/) {
    return std::nullopt;
  }
  // Drawn controls that take part in the window's hover effect.
  virtual std::vector<SkinControl> HoverControls() const { return {}; }
};

}  // namespace vx
