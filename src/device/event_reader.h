#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "device/hid_port.h"
#include "device/link_host.h"
#include "device/link_state.h"

namespace vx {

// Upper bound of every sleep of the reader, so that it re-checks the link regularly even when a
// read never completes or nobody wakes it.
inline constexpr uint32_t kReaderWaitMs = 1000;

// The worker thread that reads the event collection and hands the mouse's notifications to the
// window thread. It starts paused and reads only while the device is ready.
class EventReader {
 public:
  EventReader(HidPort& port, LinkState& link, LinkHost& host);
  ~EventReader();
  EventReader(const EventReader&) = delete;
  EventReader& operator=(const EventReader&) = delete;

  // Creates the thread, paused unless run is true. Needs the link's wake event.
  void Start(bool run);
  // Lets a paused reader run; no effect on one that runs.
  void Release();
  bool Paused() const;
  // Ends and joins the thread (tests, tools). The program itself exits without joining.
  void Stop();

 private:
  void Run();
  bool WaitUntilReleased();
  bool StopRequested() const;
  void ReadOnce(WakeEvent& wake, HidHandle handle);
  void HandleReport(size_t bytes);

  HidPort& port_;
  LinkState& link_;
  LinkHost& host_;
  std::shared_ptr<WakeEvent> wake_;
  std::array<uint8_t, 40> buffer_{};

  mutable std::mutex gate_mutex_;
  std::condition_variable gate_;
  bool released_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vx
