#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "device/hid_port.h"

namespace vx {

// The event collection's read in flight: its overlapped record, with an event of its own, and
// the buffer the system writes into.
struct EventReadSlot {
  EventReadSlot();
  ~EventReadSlot();
  EventReadSlot(const EventReadSlot&) = delete;
  EventReadSlot& operator=(const EventReadSlot&) = delete;

  OVERLAPPED overlapped{};
  std::vector<uint8_t> buffer;
};

// A manual-reset event that wakes the event reader, together with the reader's read slot. A
// wait also ends when the read completes.
class Win32WakeEvent : public WakeEvent {
 public:
  // The event is created unsignalled; valid() is false when CreateEventW failed.
  Win32WakeEvent();
  ~Win32WakeEvent() override;
  Win32WakeEvent(const Win32WakeEvent&) = delete;
  Win32WakeEvent& operator=(const Win32WakeEvent&) = delete;

  bool valid() const { return event_ != nullptr && slot_->overlapped.hEvent != nullptr; }
  EventReadSlot& slot() { return *slot_; }
  // A read that would not end when cancelled keeps its slot, which is never freed, and the
  // reader goes on with a new one.
  void AbandonSlot();

  void Set() override;
  void Reset() override;
  bool Wait(uint32_t timeout_ms) override;

 private:
  HANDLE event_;
  std::unique_ptr<EventReadSlot> slot_;
  std::vector<std::unique_ptr<EventReadSlot>> abandoned_;
};

}  // namespace vx
