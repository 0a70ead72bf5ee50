#pragma once

#include <cstdint>

#include "ui/geometry.h"

namespace vx {

// An opaque window of the system: an HWND on Windows, a number in the headless backend.
using WindowHandle = std::intptr_t;
inline constexpr WindowHandle kNoWindow = 0;

// The window messages the program handles, with the system's values, so that both backends and
// the tests speak the same language.
enum MessageId : uint32_t {
  kMsgDestroy = 0x0002,
  kMsgPaint = 0x000F,
  kMsgClose = 0x0010,
  kMsgEraseBackground = 0x0014,
  kMsgNcPaint = 0x0085,
  kMsgHelp = 0x0053,
  kMsgKeyDown = 0x0100,
  kMsgKeyUp = 0x0101,
  kMsgChar = 0x0102,
  kMsgSysKeyDown = 0x0104,
  kMsgSysKeyUp = 0x0105,
  kMsgSysChar = 0x0106,
  kMsgInitDialog = 0x0110,
  kMsgCommand = 0x0111,
  kMsgTimer = 0x0113,
  kMsgMouseFirst = 0x0200,
  kMsgMouseMove = 0x0200,
  kMsgLButtonDown = 0x0201,
  kMsgLButtonUp = 0x0202,
  kMsgLButtonDoubleClick = 0x0203,
  kMsgRButtonDown = 0x0204,
  kMsgRButtonUp = 0x0205,
  kMsgMouseWheel = 0x020A,
  kMsgMouseLast = 0x020E,
  kMsgDeviceChange = 0x0219,
  kMsgMouseHover = 0x02A1,
  kMsgMouseLeave = 0x02A3,
  kMsgDpiChanged = 0x02E0,
  kMsgUser = 0x0400,
  kMsgTrayNotify = 0x0401,   // mouse message on the tray icon
  kMsgMouseNotify = 0x0402,  // a notification of the mouse
  kMsgMacroKey = 0x0403,     // a key event recorded by the macro recorder
  kMsgSingleKeyCaptured = 0x0B04,
  kMsgComboKeyCaptured = 0x0B05,
  // A list notification handed back to its dialog once the list's own handling has returned
  // (WM_APP + 1, clear of the dialog manager's DM_ messages at WM_USER).
  kMsgDeferredListNotification = 0x8001,
  // The shell's "TaskbarCreated", a registered message; this value lies outside every real one.
  kMsgTaskbarCreated = 0xFFFF0001,
};

// The tray icon's id, which its messages carry in wparam.
inline constexpr uintptr_t kTrayIconId = 1;

// List-box notification codes carried by a command.
enum ListNotification : uint16_t { kListSelChange = 1, kListDoubleClick = 2 };
// Edit-box notification codes carried by a command.
enum EditNotification : uint16_t { kEditFocusLost = 0x0200, kEditChanged = 0x0300 };

// Without the focus on a control, keys come as their system forms; the program treats both
// alike.
constexpr bool IsKeyDown(uint32_t id) {
  return id == kMsgKeyDown || id == kMsgSysKeyDown;
}
// A key pressed without Alt held, whichever form it came in (the key data's context bit tells).
constexpr bool IsPlainKeyDown(uint32_t id, intptr_t key_data) {
  return id == kMsgKeyDown || (id == kMsgSysKeyDown && ((key_data >> 29) & 1) == 0);
}
constexpr bool IsKeyMessage(uint32_t id) {
  return id >= kMsgKeyDown && id <= kMsgSysChar;
}

// The wheel's signed delta, in the high word of the message's wparam.
constexpr int WheelDelta(uintptr_t wparam) {
  return static_cast<int16_t>((wparam >> 16) & 0xFFFF);
}

enum VirtualKey : uint32_t { kKeyReturn = 0x0D, kKeyEscape = 0x1B };

// One message as the modal loop sees it before dispatching: for pre-translation.
struct Message {
  WindowHandle window = kNoWindow;  // the window it is for: the dialog or one of its controls
  uint32_t id = 0;
  uintptr_t wparam = 0;
  intptr_t lparam = 0;
  Point cursor;  // the cursor in screen coordinates when the message was posted
};

}  // namespace vx
