#pragma once

#include <windows.h>

#include "device/hid_port.h"

namespace vx {

// A manual-reset event together with the overlapped record of the event collection's reads.
class Win32WakeEvent : public WakeEvent {
 public:
  // The event is created unsignalled; valid() is false when CreateEventW failed.
  Win32WakeEvent();
  ~Win32WakeEvent() override;
  Win32WakeEvent(const Win32WakeEvent&) = delete;
  Win32WakeEvent& operator=(const Win32WakeEvent&) = delete;

  bool valid() const { return event_ != nullptr; }
  OVERLAPPED& overlapped() { return overlapped_; }

  void Set() override;
  void Reset() override;
  bool Wait(uint32_t timeout_ms) override;

 private:
  HANDLE event_;
  OVERLAPPED overlapped_{};
};

}  // namespace vx
