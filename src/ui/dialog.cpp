#include "ui/dialog.h"

namespace vx {

int Dialog::DoModal(WindowHandle owner) {
  windows_.CreateDialogWindow(*this, template_, owner);
  const int result = windows_.RunModalLoop(*this);
  windows_.DestroyWindow(window_);
  return result;
}

void Dialog::EndDialog(int result) {
  windows_.EndModalLoop(*this, result);
}

Point PointFromLparam(intptr_t lparam) {
  return {static_cast<int16_t>(lparam & 0xFFFF), static_cast<int16_t>((lparam >> 16) & 0xFFFF)};
}

intptr_t LparamFromPoint(Point point) {
  return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(point.y)) << 16) |
                               static_cast<uint16_t>(point.x));
}

namespace {

std::optional<intptr_t> Handled(bool handled, intptr_t result = 0) {
  if (!handled) return std::nullopt;
  return result;
}

int CommandId(uintptr_t wparam) {
  return static_cast<int>(wparam & 0xFFFF);
}
int CommandCode(uintptr_t wparam) {
  return static_cast<int>((wparam >> 16) & 0xFFFF);
}

// Codes 1 and 2 from a control (lparam its window) are a list box's selection change and
// double click; with lparam 0 code 1 would be an accelerator.
bool IsListNotification(const Message& m) {
  const int code = CommandCode(m.wparam);
  return m.lparam != 0 && (code == kListSelChange || code == kListDoubleClick);
}

}  // namespace

// Mouse messages come in the window's device pixels; the handlers work in layout units. The
// wheel's point is on the screen and stays as it is.
std::optional<intptr_t> Dialog::HandleMessage(const Message& m) {
  const Point point = ToLayout(PointFromLparam(m.lparam), windows_.Scale(window_));
  switch (m.id) {
    case kMsgInitDialog:
      return OnInitDialog() ? 1 : 0;
    case kMsgEraseBackground:
      return Handled(OnEraseBackground(), 1);
    case kMsgPaint:
      return Handled(OnPaint());
    case kMsgNcPaint:
      return Handled(OnNcPaint());
    case kMsgClose:
      return Handled(OnClose());
    case kMsgDestroy:
      OnDestroy();
      return std::nullopt;
    case kMsgLButtonDown:
      return Handled(OnLButtonDown(point));
    case kMsgRButtonDown:
      return Handled(OnRButtonDown(point));
    case kMsgMouseMove:
      return Handled(OnMouseMove(point));
    case kMsgMouseHover:
      return Handled(OnMouseHover(point));
    case kMsgMouseLeave:
      return Handled(OnMouseLeave());
    case kMsgMouseWheel:
      return Handled(OnMouseWheel(WheelDelta(m.wparam), PointFromLparam(m.lparam)));
    case kMsgHelp:
      return Handled(OnHelp(), 1);
    case kMsgCommand: {
      // The list sends these from inside its own mouse handling; destroying it there would pull
      // the list out from under its own code.
      if (IsListNotification(m)) {
        windows_.PostToWindow(window_, kMsgDeferredListNotification, m.wparam, m.lparam);
        return 0;
      }
      const int id = CommandId(m.wparam);
      const int code = CommandCode(m.wparam);
      if (OnCommand(id, code)) return 0;
      // Unhandled OK and Cancel (Enter, Escape, the close command) end the dialog.
      if (code == 0 && (id == kIdOk || id == kIdCancel)) {
        EndDialog(id);
        return 0;
      }
      return std::nullopt;
    }
    case kMsgDeviceChange:
      return Handled(OnDeviceChange(static_cast<uint32_t>(m.wparam),
                                    reinterpret_cast<const DeviceBroadcast*>(m.lparam)),
                     1);
    case kMsgDpiChanged:
      return Handled(OnScaleChanged());
    case kMsgTimer:
      return Handled(OnTimer(static_cast<int>(m.wparam)));
    case kMsgDeferredListNotification:
      return Handled(OnListNotification(CommandId(m.wparam), CommandCode(m.wparam),
                                        static_cast<WindowHandle>(m.lparam)));
    default:
      if (m.id >= kMsgUser) return OnUserMessage(m.id, m.wparam, m.lparam);
      return std::nullopt;
  }
}

}  // namespace vx
