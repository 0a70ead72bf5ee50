#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/message_port.h"
#include "device/scan_codes.h"
#include "ui/window_system.h"

namespace vx {

// A key as the capture saw it last: the system's name of it and its place on the keyboard.
struct CapturedKey {
  std::wstring name;
  ScanCode scan;
  bool operator==(const CapturedKey&) const = default;
};

// The keyboard hook of the single-key and combo-key dialogs. Every key event of the window
// thread, down or up, is captured and the dialog gets its capture message before the key
// itself is dispatched; the key then goes on as usual. Removed when the dialog ends.
class KeyCapture {
 public:
  KeyCapture(WindowSystem& windows, MessagePort& messages) : windows_(windows), messages_(messages) {}

  // False, after a message box that names the system's error, when the hook cannot be
  // installed. error_format takes the error code as its one %d.
  bool Install(WindowHandle dialog, uint32_t capture_message, const char* error_format);
  void Remove() { hook_.reset(); }
  const CapturedKey& last() const { return last_; }

 private:
  WindowSystem& windows_;
  MessagePort& messages_;
  std::unique_ptr<KeyboardHook> hook_;
  CapturedKey last_;
};

}  // namespace vx
