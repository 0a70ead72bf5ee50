#include "platform/win32/win32_wake_event.h"

namespace vx {

EventReadSlot::EventReadSlot() {
  overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

EventReadSlot::~EventReadSlot() {
  if (overlapped.hEvent != nullptr) CloseHandle(overlapped.hEvent);
}

Win32WakeEvent::Win32WakeEvent()
    : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      slot_(std::make_unique<EventReadSlot>()) {}

Win32WakeEvent::~Win32WakeEvent() {
  if (event_ != nullptr) CloseHandle(event_);
  // The system may still write into an abandoned slot: it outlives the process's use of it.
  for (auto& slot : abandoned_) slot.release();
}

void Win32WakeEvent::AbandonSlot() {
  abandoned_.push_back(std::move(slot_));
  slot_ = std::make_unique<EventReadSlot>();
}

void Win32WakeEvent::Set() {
  SetEvent(event_);
}
// The read's event too: one that ended earlier would otherwise end every later wait at once.
void Win32WakeEvent::Reset() {
  ResetEvent(event_);
  ResetEvent(slot_->overlapped.hEvent);
}

bool Win32WakeEvent::Wait(uint32_t timeout_ms) {
  const HANDLE events[] = {event_, slot_->overlapped.hEvent};
  return WaitForMultipleObjects(2, events, FALSE, timeout_ms) != WAIT_TIMEOUT;
}

}  // namespace vx
