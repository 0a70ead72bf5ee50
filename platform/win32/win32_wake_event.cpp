#include "platform/win32/win32_wake_event.h"

namespace vx {

Win32WakeEvent::Win32WakeEvent() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  overlapped_.hEvent = event_;
}

Win32WakeEvent::~Win32WakeEvent() {
  if (event_ != nullptr) CloseHandle(event_);
}

void Win32WakeEvent::Set() {
  SetEvent(event_);
}
void Win32WakeEvent::Reset() {
  ResetEvent(event_);
}

bool Win32WakeEvent::Wait(uint32_t timeout_ms) {
  return WaitForSingleObject(event_, timeout_ms) == WAIT_OBJECT_0;
}

}  // namespace vx
