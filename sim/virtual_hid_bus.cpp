#include "sim/virtual_hid_bus.h"

#include <algorithm>
#include <charconv>

#include "device/device_identity.h"
#include "device/handshake.h"
#include "sim/system_error_codes.h"
#include "sim/thread_wake_event.h"

namespace vx::sim {

namespace {

constexpr uint16_t kEventReportLength = 8;

std::wstring MousePath(int mouse, const wchar_t* collection) {
  return std::wstring(L"\\\\?\\HID#VID_04D9&PID_A09F&MI_01&") + collection + L"#7&2a1b3c" +
         std::to_wstring(mouse) + L"&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

VirtualInterface MouseInterface(int mouse, InterfaceKind kind) {
  VirtualInterface interface;
  interface.kind = kind;
  interface.mouse = mouse;
  interface.attributes = {kMouseVendorId, kMouseProductId, 0x0110};
  switch (kind) {
    case InterfaceKind::kMousePointer:
      interface.path = std::wstring(L"\\\\?\\HID#VID_04D9&PID_A09F&MI_00#7&1f0e2d") +
                       std::to_wstring(mouse) + L"&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
      interface.caps = {0x0002, 0x0001, 5, 0, 0};
      break;
    case InterfaceKind::kMouseEvent:
      interface.path = MousePath(mouse, L"Col02");
      interface.caps = {kEventCollectionUsage, kEventCollectionUsage, kEventReportLength, 0, 0};
      break;
    default:
      interface.path = MousePath(mouse, L"Col01");
      interface.caps = {kVendorCollectionUsage, kVendorCollectionUsage, kVendorReportSize,
                        kVendorReportSize, kFeatureReportSize};
      break;
  }
  return interface;
}

}  // namespace

thread_local uint32_t VirtualHidBus::last_error_ = 0;

std::optional<BusFaults> BusFaultsNamed(std::string_view kind) {
  BusFaults faults;
  static constexpr std::string_view kUnplugAfter = "unplug-after=";
  if (kind == "no-answer") {
    faults.no_feature_answer = true;
  } else if (kind == "garbage") {
    faults.garbage_answers = true;
  } else if (kind == "no-input-reports") {
    faults.input_reports_never_arrive = true;
  } else if (kind == "output-timeout") {
    faults.output_reports_time_out = true;
  } else if (kind.substr(0, kUnplugAfter.size()) == kUnplugAfter) {
    const std::string_view count = kind.substr(kUnplugAfter.size());
    int reports = -1;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), reports);
    if (count.empty() || error != std::errc() || end != count.data() + count.size() ||
        reports < 0) {
      return std::nullopt;
    }
    faults.unplug_after_output_reports = reports;
  } else {
    return std::nullopt;
  }
  return faults;
}

void VirtualHidBus::AddInterface(VirtualInterface interface) {
  std::lock_guard<std::mutex> lock(mutex_);
  interfaces_.push_back(std::move(interface));
}

int VirtualHidBus::AddMouse(ProbeMode mode, const MouseMemory& memory, InterfaceOrder order) {
  int mouse;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    mice_.push_back(std::make_unique<MouseFirmware>(mode, memory));
    mouse = static_cast<int>(mice_.size()) - 1;
  }
  AddInterface(MouseInterface(mouse, InterfaceKind::kMousePointer));
  const bool event_first = order == InterfaceOrder::kEventFirst;
  AddInterface(MouseInterface(
      mouse, event_first ? InterfaceKind::kMouseEvent : InterfaceKind::kMouseVendor));
  AddInterface(MouseInterface(
      mouse, event_first ? InterfaceKind::kMouseVendor : InterfaceKind::kMouseEvent));
  return mouse;
}

void VirtualHidBus::AddForeignDevice() {
  VirtualInterface interface;
  interface.kind = InterfaceKind::kForeign;
  interface.path =
      L"\\\\?\\HID#VID_046D&PID_C077#7&3c4d5e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
  interface.attributes = {0x046D, 0xC077, 0x7200};
  interface.caps = {0x0002, 0x0001, 5, 0, 0};
  AddInterface(std::move(interface));
}

void VirtualHidBus::AddRefusingDevice() {
  VirtualInterface interface;
  interface.kind = InterfaceKind::kRefusing;
  interface.path =
      L"\\\\?\\HID#VID_1532&PID_0084&MI_02#8&11aa22&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
  interface.attributes = {0x1532, 0x0084, 0x0200};
  AddInterface(std::move(interface));
}

std::shared_ptr<WakeEvent> VirtualHidBus::CreateWakeEvent() {
  if (faults.wake_event_fails) return nullptr;
  return std::make_shared<ThreadWakeEvent>();
}

void VirtualHidBus::SetPresence(int mouse, bool present, std::vector<std::wstring>& paths) {
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    VirtualInterface& interface = interfaces_[i];
    if (interface.mouse != mouse) continue;
    interface.present = present;
    paths.push_back(interface.path);
    if (!present) FailReadsOf(i);
  }
}

std::vector<std::wstring> VirtualHidBus::Unplug(int mouse) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::wstring> paths;
  SetPresence(mouse, false, paths);
  queued_events_.erase(mouse);
  return paths;
}

std::vector<std::wstring> VirtualHidBus::Plug(int mouse) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::wstring> paths;
  SetPresence(mouse, true, paths);
  return paths;
}

std::wstring VirtualHidBus::UnplugInterface(int mouse, InterfaceKind kind) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    if (interfaces_[i].mouse != mouse || interfaces_[i].kind != kind) continue;
    interfaces_[i].present = false;
    FailReadsOf(i);
    return interfaces_[i].path;
  }
  return L"";
}

void VirtualHidBus::NoteWait(uint32_t timeout_ms) {
  longest_wait_ms_ = std::max(longest_wait_ms_, timeout_ms);
  blocked_ms_ += timeout_ms;
}

// As the system's transfer that is cancelled at its time-out leaves it.
IoResult VirtualHidBus::TimedOut(uint32_t timeout_ms) {
  NoteWait(timeout_ms);
  trace_.Timeout(timeout_ms);
  Fail(kErrorOperationAborted);
  return {IoStatus::kTimedOut, 0};
}

uint32_t VirtualHidBus::longest_wait_ms() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return longest_wait_ms_;
}

uint64_t VirtualHidBus::blocked_ms() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return blocked_ms_;
}

void VirtualHidBus::ArmFaultsAfter(const MouseFirmware& mouse, const FeatureFrame& plain_answer,
                                   int index) {
  if (!faults_after_handshake || mouse.mode() != ProbeMode::kScrambled) return;
  // The firmware answers a scrambled mouse's probe only when it came scrambled: an echo of the
  // probe's command and magic bytes is the handshake's end.
  const CommandHeader probe = ProbeHeader();
  if (!std::equal(probe.begin(), probe.begin() + 5, plain_answer.begin() + 1)) return;
  faults = *faults_after_handshake;
  faults_after_handshake.reset();
  output_reports_ = 0;
  if (faults.unplug_after_output_reports == 0) {
    std::vector<std::wstring> paths;
    SetPresence(index, false, paths);
  }
}

size_t VirtualHidBus::open_handle_count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return handles_.size();
}

std::optional<InterfaceSet> VirtualHidBus::OpenInterfaceSet() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<size_t> present;
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    if (interfaces_[i].present) present.push_back(i);
  }
  const InterfaceSet set = next_set_++;
  sets_[set] = std::move(present);
  return set;
}

EnumStatus VirtualHidBus::EnumInterface(InterfaceSet set, uint32_t index) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sets_.find(set);
  if (found == sets_.end()) return EnumStatus::kOtherError;
  return index < found->second.size() ? EnumStatus::kOk : EnumStatus::kNoMoreItems;
}

std::optional<std::wstring> VirtualHidBus::InterfacePath(InterfaceSet set, uint32_t index) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sets_.find(set);
  if (found == sets_.end() || index >= found->second.size()) return std::nullopt;
  if (faults.interface_path_fails) {
    Fail(kErrorInvalidUserBuffer);
    return std::nullopt;
  }
  return interfaces_[found->second[index]].path;
}

void VirtualHidBus::CloseInterfaceSet(InterfaceSet set) {
  std::lock_guard<std::mutex> lock(mutex_);
  sets_.erase(set);
}

HidHandle VirtualHidBus::Open(const std::wstring& path, OpenMode mode) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (size_t i = 0; i < interfaces_.size(); ++i) {
    const VirtualInterface& interface = interfaces_[i];
    if (interface.path != path || !interface.present) continue;
    if (interface.kind == InterfaceKind::kRefusing || faults.refused_open_mode == mode) {
      Fail(kErrorAccessDenied);
      return kInvalidHidHandle;
    }
    const HidHandle handle = next_handle_++;
    handles_[handle] = OpenHandle{i, mode};
    return handle;
  }
  Fail(kErrorFileNotFound);
  return kInvalidHidHandle;
}

void VirtualHidBus::Close(HidHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  NoteUse(handle, "Close");
  if (handles_.erase(handle) == 0) return;
  closed_handles_.insert(handle);
  for (auto& [wake, read] : event_reads_) {
    if (read.handle == handle && read.status == IoStatus::kPending) CancelRead(wake, read);
  }
}

void VirtualHidBus::Fail(uint32_t error) {
  last_error_ = error;
}

uint32_t VirtualHidBus::LastError() {
  return last_error_;
}

void VirtualHidBus::NoteUse(HidHandle handle, const char* call) {
  if (closed_handles_.count(handle) == 0) return;
  misuses_.push_back(std::string(call) + " on the closed handle " + std::to_string(handle));
}

std::vector<std::string> VirtualHidBus::misuses() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return misuses_;
}

const VirtualInterface* VirtualHidBus::Usable(HidHandle handle, OpenMode mode, const char* call) {
  NoteUse(handle, call);
  const auto found = handles_.find(handle);
  // A probe handle has no access rights, so no I/O goes through it.
  if (found == handles_.end() || found->second.mode != mode) {
    Fail(kErrorInvalidHandle);
    return nullptr;
  }
  const VirtualInterface& interface = interfaces_[found->second.interface_index];
  if (!interface.present) {
    Fail(kErrorDeviceNotConnected);
    return nullptr;
  }
  return &interface;
}

std::optional<HidAttributes> VirtualHidBus::GetAttributes(HidHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = handles_.find(handle);
  if (found == handles_.end()) {
    Fail(kErrorInvalidHandle);
    return std::nullopt;
  }
  return interfaces_[found->second.interface_index].attributes;
}

std::optional<PreparsedData> VirtualHidBus::GetPreparsedData(HidHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = handles_.find(handle);
  if (found == handles_.end() || faults.preparsed_data_fails) {
    Fail(found == handles_.end() ? kErrorInvalidHandle : kErrorGenFailure);
    return std::nullopt;
  }
  return static_cast<PreparsedData>(found->second.interface_index + 1);
}

uint32_t VirtualHidBus::GetCaps(PreparsedData data, HidCaps& caps) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (faults.caps_invalid || data < 1 || static_cast<size_t>(data) > interfaces_.size()) {
    caps = {};
    return kHidpStatusInvalidPreparsedData;
  }
  caps = interfaces_[static_cast<size_t>(data) - 1].caps;
  return kHidpStatusSuccess;
}

void VirtualHidBus::FreePreparsedData(PreparsedData) {}

bool VirtualHidBus::FeatureCallFits(const VirtualInterface* interface, size_t length) {
  if (!interface) return false;
  if (interface->kind != InterfaceKind::kMouseVendor) {
    Fail(kErrorInvalidFunction);
    return false;
  }
  if (length != interface->caps.feature_report_length) {
    Fail(kErrorInvalidParameter);
    return false;
  }
  return true;
}

bool VirtualHidBus::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  std::lock_guard<std::mutex> lock(mutex_);
  const VirtualInterface* interface = Usable(handle, OpenMode::kFeature, "SetFeature");
  if (!FeatureCallFits(interface, report.size())) return false;
  const FeatureFrame plain = mice_[interface->mouse]->ReceiveFeature(report);
  trace_.SetFeature(report, plain);
  return true;
}

bool VirtualHidBus::GetFeature(HidHandle handle, std::span<uint8_t> report) {
  std::lock_guard<std::mutex> lock(mutex_);
  const VirtualInterface* interface = Usable(handle, OpenMode::kFeature, "GetFeature");
  if (!FeatureCallFits(interface, report.size())) return false;
  const auto answer = mice_[interface->mouse]->AnswerFeature();
  if (!answer || faults.no_feature_answer) {
    trace_.Add("get-feature failed");
    Fail(kErrorGenFailure);
    return false;
  }
  FeatureFrame wire = answer->wire;
  FeatureFrame plain = answer->plain;
  if (faults.garbage_answers) {
    for (size_t i = 1; i < wire.size(); ++i) {
      noise_ = noise_ * 1103515245u + 12345u;
      wire[i] = plain[i] = static_cast<uint8_t>(noise_ >> 16);
    }
  }
  std::copy_n(wire.begin(), std::min(report.size(), wire.size()), report.begin());
  trace_.GetFeature(wire, plain);
  ArmFaultsAfter(*mice_[interface->mouse], plain, interface->mouse);
  return true;
}

IoResult VirtualHidBus::WriteReport(HidHandle handle, std::span<const uint8_t> report,
                                    uint32_t timeout_ms) {
  std::lock_guard<std::mutex> lock(mutex_);
  const VirtualInterface* interface = Usable(handle, OpenMode::kFeature, "WriteReport");
  if (!interface || interface->kind != InterfaceKind::kMouseVendor) return {IoStatus::kFailed, 0};
  if (faults.output_reports_time_out) return TimedOut(timeout_ms);
  trace_.Write(report);
  const int mouse = interface->mouse;
  mice_[mouse]->ReceiveOutputReport(report);
  if (++output_reports_ == faults.unplug_after_output_reports) {
    std::vector<std::wstring> paths;
    SetPresence(mouse, false, paths);
  }
  return {IoStatus::kDone, report.size()};
}

IoResult VirtualHidBus::ReadReport(HidHandle handle, std::span<uint8_t> report,
                                   uint32_t timeout_ms) {
  std::lock_guard<std::mutex> lock(mutex_);
  const VirtualInterface* interface = Usable(handle, OpenMode::kFeature, "ReadReport");
  if (!interface || interface->kind != InterfaceKind::kMouseVendor) return {IoStatus::kFailed, 0};
  const auto input =
      faults.input_reports_never_arrive ? std::nullopt : mice_[interface->mouse]->TakeInputReport();
  if (!input) return TimedOut(timeout_ms);
  const size_t bytes = std::min(report.size(), input->size());
  std::copy_n(input->begin(), bytes, report.begin());
  trace_.Read(*input);
  return {IoStatus::kDone, bytes};
}

}  // namespace vx::sim
