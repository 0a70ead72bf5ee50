#include "device/event_reader.h"

#include <algorithm>

namespace vx {

namespace {

constexpr uint8_t kEventReportId = 6;

bool IsForwardedCode(uint8_t code) {
  return code == kNotifyReportRate || code == kNotifyDpiStage || code == kNotifyKeyMatrix ||
         code == kNotifyMacroKey;
}

}  // namespace

EventReader::EventReader(HidPort& port, LinkState& link, LinkHost& host)
    : port_(port), link_(link), host_(host) {}

EventReader::~EventReader() {
  Stop();
}

void EventReader::Start(bool run) {
  wake_ = link_.wake;
  released_ = run;
  thread_ = std::thread([this] { Run(); });
}

void EventReader::Release() {
  {
    std::lock_guard<std::mutex> lock(gate_mutex_);
    released_ = true;
  }
  gate_.notify_all();
}

bool EventReader::Paused() const {
  std::lock_guard<std::mutex> lock(gate_mutex_);
  return !released_;
}

void EventReader::Stop() {
  {
    std::lock_guard<std::mutex> lock(gate_mutex_);
    stopping_ = true;
  }
  gate_.notify_all();
  if (wake_) wake_->Set();
  if (thread_.joinable()) thread_.join();
}

bool EventReader::StopRequested() const {
  std::lock_guard<std::mutex> lock(gate_mutex_);
  return stopping_;
}

bool EventReader::WaitUntilReleased() {
  std::unique_lock<std::mutex> lock(gate_mutex_);
  gate_.wait(lock, [this] { return released_ || stopping_; });
  return !stopping_;
}

void EventReader::Run() {
  if (!WaitUntilReleased()) return;
  WakeEvent& wake = *wake_;
  for (;;) {
    // Reset before looking at the flags: a wake-up that comes after the reset is not lost.
    wake.Reset();
    if (StopRequested()) return;
    const std::optional<StartedRead> read = BeginRead(wake);
    if (!read) {
      wake.Wait(kReaderWaitMs);
      continue;
    }
    FinishRead(wake, *read);
  }
}

std::optional<EventReader::StartedRead> EventReader::BeginRead(WakeEvent& wake) {
  std::lock_guard<std::mutex> lock(link_.event_handle_mutex);
  const HidHandle handle = link_.event_read_handle;
  if (!link_.DeviceReady() || handle == kInvalidHidHandle) return std::nullopt;
  if (!port_.BeginEventRead(handle, link_.event_report_length, wake)) return std::nullopt;
  return StartedRead{handle, link_.event_opening};
}

std::optional<IoResult> EventReader::PollWhileWanted(WakeEvent& wake, const StartedRead& read) {
  std::lock_guard<std::mutex> lock(link_.event_handle_mutex);
  const bool handle_open = link_.event_opening == read.opening;
  if (handle_open && link_.DeviceReady() && !StopRequested()) {
    std::fill(buffer_.begin(), buffer_.end(), 0);
    return port_.PollEventRead(read.handle, wake, buffer_);
  }
  // Closing the handle has cancelled the read already; its value may name another device now.
  if (handle_open) port_.CancelEventRead(read.handle, wake);
  return std::nullopt;
}

// Outside the lock: a driver slow to let go of a read keeps only the reader waiting.
void EventReader::AwaitCancelledRead(WakeEvent& wake) {
  if (!port_.WaitForEventReadEnd(wake, kReaderWaitMs)) port_.AbandonEventRead(wake);
}

void EventReader::FinishRead(WakeEvent& wake, const StartedRead& read) {
  for (;;) {
    wake.Reset();
    const std::optional<IoResult> result = PollWhileWanted(wake, read);
    if (!result) return AwaitCancelledRead(wake);
    if (result->status == IoStatus::kDone) return HandleReport(result->bytes);
    if (result->status != IoStatus::kPending) return;
    wake.Wait(kReaderWaitMs);
  }
}

void EventReader::HandleReport(size_t bytes) {
  if (bytes == 0 || buffer_[0] != kEventReportId) return;
  if (IsForwardedCode(buffer_[1])) host_.Notify(buffer_[1], buffer_[3]);
}

}  // namespace vx
