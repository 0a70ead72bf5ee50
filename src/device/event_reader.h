#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
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
  // A read in flight, with the opening of the event collection it was started on.
  struct StartedRead {
    HidHandle handle;
    uint64_t opening;
  };

  void Run();
  bool WaitUntilReleased();
  bool StopRequested() const;
  // Starts a read when the link is ready.
  std::optional<StartedRead> BeginRead(WakeEvent& wake);
  // Waits, bounded, for the read; gives up on it when the link changed meanwhile.
  void FinishRead(WakeEvent& wake, const StartedRead& read);
  // The read's state while the link still wants it; otherwise the read is cancelled and nothing
  // is answered.
  std::optional<IoResult> PollWhileWanted(WakeEvent& wake, const StartedRead& read);
  void AwaitCancelledRead(WakeEvent& wake);
  void HandleReport(size_t bytes);

  HidPort& port_;
  LinkState& link_;
  LinkHost& host_;
  std::shared_ptr<WakeEvent> wake_;
  // Only the first bytes of a report matter: ID, code and value.
  std::array<uint8_t, 40> buffer_{};

  mutable std::mutex gate_mutex_;
  std::condition_variable gate_;
  bool released_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vx
