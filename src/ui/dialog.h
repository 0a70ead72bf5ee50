#pragma once

#include <cstdint>
#include <optional>

#include "device/device_broadcast.h"
#include "ui/window_system.h"

namespace vx {

// One window of the program. The backends hand every message to HandleMessage, which unpacks
// it once into a typed handler; a handler that returns false (or nullopt) leaves the message to
// the system's default handling.
class Dialog {
 public:
  Dialog(WindowSystem& windows, DialogTemplate templ) : windows_(windows), template_(templ) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the window, runs its initialisation and the modal loop; returns EndDialog's result.
  int DoModal(WindowHandle owner = kNoWindow);
  void EndDialog(int result);

  WindowHandle window() const { return window_; }
  WindowSystem& windows() { return windows_; }
  const DialogTemplate& dialog_template() const { return template_; }

  // For the backends.
  void Attach(WindowHandle window) { window_ = window; }
  std::optional<intptr_t> HandleMessage(const Message& message);

  virtual bool OnInitDialog() { return true; }
  virtual bool OnEraseBackground() { return false; }
  virtual bool OnPaint() { return false; }
  virtual bool OnNcPaint() { return false; }
  virtual bool OnClose() { return false; }
  virtual void OnDestroy() {}
  virtual bool OnLButtonDown(Point) { return false; }
  virtual bool OnRButtonDown(Point) { return false; }
  virtual bool OnMouseMove(Point) { return false; }
  virtual bool OnMouseHover(Point) { return false; }
  virtual bool OnMouseLeave() { return false; }
  virtual bool OnMouseWheel(int, Point) { return false; }
  // F1's help request; true answers it without help.
  virtual bool OnHelp() { return false; }
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  // A list's selection change or double click, delivered after the list's own mouse handling
  // has returned, so the handler may destroy the list.
  virtual bool OnListNotification(int /*id*/, int /*code*/, WindowHandle /*list*/) {
    return false;
  }
  virtual bool OnDeviceChange(uint32_t /*event*/, const DeviceBroadcast*) { return false; }
  virtual bool OnTimer(int /*id*/) { return false; }
  // The window has moved to a screen of another scale; the window system has already resized it
  // and its controls. Its canvas is made again and drawn.
  virtual bool OnScaleChanged() { return false; }
  virtual std::optional<intptr_t> OnUserMessage(uint32_t /*id*/, uintptr_t /*wparam*/,
                                                intptr_t /*lparam*/) {
    return std::nullopt;
  }
  // Colours of a child control; nullopt: the system's defaults.
  virtual std::optional<ControlColours> OnControlColour(ControlKind /*kind*/, int /*id*/) {
    return std::nullopt;
  }
  // Runs before the dialog manager sees a message of this window or its controls; true swallows.
  virtual bool PreTranslateMessage(const Message&) { return false; }

 private:
  WindowSystem& windows_;
  DialogTemplate template_;
  WindowHandle window_ = kNoWindow;
};

// The point a mouse message carries: signed x in the low and y in the high 16 bits.
Point PointFromLparam(intptr_t lparam);
intptr_t LparamFromPoint(Point point);

}  // namespace vx
