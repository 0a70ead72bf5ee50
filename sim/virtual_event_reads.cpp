// The virtual bus's event collection: the mouse's notifications and the overlapped reads that
// take them, as the HID class driver queues and completes them.
#include <algorithm>

#include "sim/system_error_codes.h"
#include "sim/virtual_hid_bus.h"

namespace vx::sim {

namespace {

constexpr size_t kEventQueueLimit = 32;  // the HID driver's input buffer

}  // namespace

void VirtualHidBus::EmitEvent(int mouse, uint8_t code, uint8_t value) {
  EmitEventReport(mouse, {6, code, 0, value, 0, 0, 0, 0});
}

void VirtualHidBus::EmitEventReport(int mouse, std::vector<uint8_t> report) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto& queue = queued_events_[mouse];
  if (queue.size() < kEventQueueLimit) queue.push_back(std::move(report));
  DeliverEvents(mouse);
}

void VirtualHidBus::EndRead(WakeEvent* wake, EventRead& read, IoStatus status, uint32_t error) {
  read.status = status;
  read.error = error;
  wake->Set();
  event_reads_changed_.notify_all();
}

void VirtualHidBus::CancelRead(WakeEvent* wake, EventRead& read) {
  read.cancelled = true;
  if (hold_cancelled_reads_ || faults.cancelled_event_reads_never_end) return;
  EndRead(wake, read, IoStatus::kFailed, kErrorOperationAborted);
}

// A removed device completes its reads with an error, cancelled or not.
void VirtualHidBus::FailReadsOf(size_t interface_index) {
  for (auto& [wake, read] : event_reads_) {
    if (read.interface_index != interface_index || read.status != IoStatus::kPending) continue;
    EndRead(wake, read, IoStatus::kFailed, kErrorDeviceNotConnected);
  }
}

void VirtualHidBus::DeliverEvents(int mouse) {
  if (faults.event_reads_never_complete) return;
  auto& queue = queued_events_[mouse];
  for (auto& [wake, read] : event_reads_) {
    if (queue.empty()) return;
    const VirtualInterface& interface = interfaces_[read.interface_index];
    if (interface.mouse != mouse || interface.kind != InterfaceKind::kMouseEvent) continue;
    if (!interface.present || read.status != IoStatus::kPending || read.cancelled) continue;
    const std::vector<uint8_t>& report = queue.front();
    read.bytes = std::min(report.size(), read.buffer.size());
    std::copy_n(report.begin(), read.bytes, read.buffer.begin());
    trace_.Event(std::span<const uint8_t>(report.data(), report.size()));
    EndRead(wake, read, IoStatus::kDone, 0);
    queue.erase(queue.begin());
  }
}

bool VirtualHidBus::HasPendingRead(int mouse) const {
  for (const auto& [wake, read] : event_reads_) {
    if (interfaces_[read.interface_index].mouse != mouse) continue;
    if (read.status == IoStatus::kPending && !read.cancelled) return true;
  }
  return false;
}

bool VirtualHidBus::EventReadPending(int mouse) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return HasPendingRead(mouse);
}

bool VirtualHidBus::WaitForPendingEventRead(int mouse, std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return event_reads_changed_.wait_for(lock, timeout, [&] { return HasPendingRead(mouse); });
}

void VirtualHidBus::HoldCancelledEventReads() {
  std::lock_guard<std::mutex> lock(mutex_);
  hold_cancelled_reads_ = true;
}

void VirtualHidBus::ReleaseCancelledEventReads() {
  std::lock_guard<std::mutex> lock(mutex_);
  hold_cancelled_reads_ = false;
  for (auto& [wake, read] : event_reads_) {
    if (read.cancelled && read.status == IoStatus::kPending) CancelRead(wake, read);
  }
  event_reads_changed_.notify_all();
}

bool VirtualHidBus::WaitForAwaitingCancelledRead(std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return event_reads_changed_.wait_for(lock, timeout,
                                       [&] { return awaiting_cancelled_reads_ > 0; });
}

bool VirtualHidBus::BeginEventRead(HidHandle handle, size_t length, WakeEvent& wake) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto running = event_reads_.find(&wake);
  if (running != event_reads_.end() && running->second.status == IoStatus::kPending) {
    misuses_.push_back("BeginEventRead while the wake event's read is in flight");
  }
  const VirtualInterface* interface = Usable(handle, OpenMode::kEventRead, "BeginEventRead");
  if (!interface) return false;
  EventRead read;
  read.handle = handle;
  read.interface_index = handles_[handle].interface_index;
  read.buffer.assign(length, 0);
  event_reads_[&wake] = std::move(read);
  event_reads_changed_.notify_all();
  DeliverEvents(interface->mouse);
  return true;
}

IoResult VirtualHidBus::PollEventRead(HidHandle handle, WakeEvent& wake, std::span<uint8_t> out) {
  std::lock_guard<std::mutex> lock(mutex_);
  NoteUse(handle, "PollEventRead");
  const auto found = event_reads_.find(&wake);
  if (found == event_reads_.end() || found->second.handle != handle) {
    Fail(kErrorInvalidParameter);
    return {IoStatus::kFailed, 0};
  }
  const EventRead& read = found->second;
  if (read.status == IoStatus::kPending) return {IoStatus::kPending, 0};
  const IoResult result{read.status, read.bytes};
  if (read.status == IoStatus::kDone) {
    std::copy_n(read.buffer.begin(), std::min(read.bytes, out.size()), out.begin());
  } else {
    Fail(read.error);
  }
  event_reads_.erase(found);
  return result;
}

void VirtualHidBus::CancelEventRead(HidHandle handle, WakeEvent& wake) {
  std::lock_guard<std::mutex> lock(mutex_);
  NoteUse(handle, "CancelEventRead");
  const auto found = event_reads_.find(&wake);
  if (found == event_reads_.end() || found->second.handle != handle) return;
  EventRead& read = found->second;
  if (read.status == IoStatus::kPending && !read.cancelled) CancelRead(&wake, read);
}

bool VirtualHidBus::WaitForEventReadEnd(WakeEvent& wake, uint32_t timeout_ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  const auto ended = [&] {
    const auto found = event_reads_.find(&wake);
    return found == event_reads_.end() || found->second.status != IoStatus::kPending;
  };
  if (!ended() && hold_cancelled_reads_) {
    ++awaiting_cancelled_reads_;
    event_reads_changed_.notify_all();
    event_reads_changed_.wait(lock, [&] { return ended() || !hold_cancelled_reads_; });
    --awaiting_cancelled_reads_;
  }
  if (!ended()) {
    // The bus's clock: the whole time-out runs out without anyone waiting for it.
    NoteWait(timeout_ms);
    return false;
  }
  event_reads_.erase(&wake);
  return true;
}

void VirtualHidBus::AbandonEventRead(WakeEvent& wake) {
  std::lock_guard<std::mutex> lock(mutex_);
  event_reads_.erase(&wake);
}

}  // namespace vx::sim
