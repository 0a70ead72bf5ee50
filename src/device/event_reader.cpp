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
    const HidHandle handle = link_.event_read_handle.load();
    if (!link_.DeviceReady() || handle == kInvalidHidHandle) {
      wake.Wait(kReaderWaitMs);
      continue;
    }
    ReadOnce(wake, handle);
  }
}

void EventReader::ReadOnce(WakeEvent& wake, HidHandle handle) {
  std::fill(buffer_.begin(), buffer_.end(), 0);
  // A collection with longer reports than the buffer is read only as far as the buffer goes.
  const size_t length = std::min<size_t>(link_.event_report_length.load(), buffer_.size());
  if (!port_.BeginEventRead(handle, std::span<uint8_t>(buffer_.data(), length), wake)) {
    wake.Wait(kReaderWaitMs);
    return;
  }
  for (;;) {
    wake.Reset();
    if (StopRequested() || !link_.DeviceReady() || link_.event_read_handle.load() != handle) {
      port_.CancelEventRead(handle, wake);
      return;
    }
    const IoResult result = port_.PollEventRead(handle, wake);
    if (result.status == IoStatus::kDone) {
      HandleReport(result.bytes);
      return;
    }
    if (result.status != IoStatus::kPending) return;
    wake.Wait(kReaderWaitMs);
  }
}

void EventReader::HandleReport(size_t bytes) {
  if (bytes == 0 || buffer_[0] != kEventReportId) return;
  if (IsForwardedCode(buffer_[1])) host_.Notify(buffer_[1], buffer_[3]);
}

}  // namespace vx
