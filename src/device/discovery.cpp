#include "device/discovery.h"

#include <utility>

#include "common/text_format.h"
#include "device/device_identity.h"
#include "device/system_error.h"

namespace vx {

void DeviceDiscovery::CloseEventHandle() {
  HidHandle closed;
  {
    std::lock_guard<std::mutex> lock(link_.event_handle_mutex);
    closed = std::exchange(link_.event_read_handle, kInvalidHidHandle);
    ++link_.event_opening;
  }
  // The reader no longer touches the old handle, so it is closed without holding it up.
  if (closed != kInvalidHidHandle) port_.Close(closed);
}

void DeviceDiscovery::CloseHandles() {
  // Without its handles the mouse is not usable, whatever it answered before.
  link_.device_ready.store(0);
  CloseEventHandle();
  if (link_.feature_handle != kInvalidHidHandle) port_.Close(link_.feature_handle);
  link_.feature_handle = kInvalidHidHandle;
}

bool DeviceDiscovery::OpenDevice() {
  // A re-open must not leak the handles of the earlier one.
  CloseHandles();
  const std::optional<InterfaceSet> set = port_.OpenInterfaceSet();
  if (!set) return false;
  for (uint32_t index = 0;; ++index) {
    const EnumStatus status = port_.EnumInterface(*set, index);
    if (status == EnumStatus::kNoMoreItems) break;
    const Step step = ExamineInterface(*set, index);
    if (step == Step::kFound) {
      port_.CloseInterfaceSet(*set);
      return true;
    }
    if (step == Step::kFail || status == EnumStatus::kOtherError) break;
  }
  port_.CloseInterfaceSet(*set);
  return false;
}

DeviceDiscovery::Step DeviceDiscovery::ExamineInterface(InterfaceSet set, uint32_t index) {
  const std::optional<std::wstring> path = port_.InterfacePath(set, index);
  if (!path) {
    messages_.ShowMessage(L"SetupDiGetDeviceInterfaceDetail failed.\n" +
                          Widen(ErrorCodeLine(port_.LastError())));
    return Step::kFail;
  }
  link_.device_path = *path;
  // A device that refuses to be opened must not hide a mouse listed after it.
  const HidHandle probe = port_.Open(link_.device_path, OpenMode::kProbe);
  if (probe == kInvalidHidHandle) return Step::kNext;

  const std::optional<HidAttributes> attributes = port_.GetAttributes(probe);
  const HidAttributes identity = attributes.value_or(HidAttributes{});
  diagnostics_.Diagnostic(Format("PID:%04x\n,VID:%04x\n,VersionNumber:%04x\n", identity.product_id,
                                 identity.vendor_id, identity.version));
  if (!attributes || identity.vendor_id != kMouseVendorId ||
      identity.product_id != kMouseProductId) {
    port_.Close(probe);
    return Step::kNext;
  }
  return ExamineMouseCollection(probe);
}

DeviceDiscovery::Step DeviceDiscovery::ExamineMouseCollection(HidHandle probe) {
  const std::optional<PreparsedData> preparsed = port_.GetPreparsedData(probe);
  // Taken before the probe is closed, which may leave an error of its own.
  const uint32_t error = preparsed ? 0 : port_.LastError();
  port_.Close(probe);
  if (!preparsed) {
    messages_.ShowMessage(L"HidD_GetPreparsedData failed.\n" + Widen(ErrorCodeLine(error)));
    return Step::kFail;
  }
  HidCaps caps;
  const uint32_t status = port_.GetCaps(*preparsed, caps);
  port_.FreePreparsedData(*preparsed);
  if (status == kHidpStatusInvalidPreparsedData) {
    messages_.ShowMessage(L"HidP_GetCaps failed.\n" + Widen(HidStatusLine(status)));
    return Step::kFail;
  }
  diagnostics_.Diagnostic(
      Format("Usage:0x%04x\n, UsagePage:0x%04x\n,FeatureReportByteLength:0x%04x\n,"
             "InputReportByteLength:0x%x\n,OutputReportByteLength:0x%x\n",
             caps.usage, caps.usage_page, caps.feature_report_length, caps.input_report_length,
             caps.output_report_length));

  if (caps.usage == kEventCollectionUsage && caps.usage_page == kEventCollectionUsage &&
      caps.input_report_length != 0) {
    return OpenEventCollection(caps.input_report_length);
  }
  if (caps.usage == kVendorCollectionUsage && caps.usage_page == kVendorCollectionUsage &&
      caps.feature_report_length != 0) {
    return OpenVendorCollection(caps);
  }
  return Step::kNext;
}

DeviceDiscovery::Step DeviceDiscovery::OpenEventCollection(uint16_t input_report_length) {
  // A second mouse's event collection met on the way replaces the first one's.
  CloseEventHandle();
  const HidHandle read = port_.Open(link_.device_path, OpenMode::kEventRead);
  if (read == kInvalidHidHandle) return Step::kFail;
  std::lock_guard<std::mutex> lock(link_.event_handle_mutex);
  link_.event_report_length = input_report_length;
  link_.event_read_handle = read;
  return Step::kNext;
}

DeviceDiscovery::Step DeviceDiscovery::OpenVendorCollection(const HidCaps& caps) {
  link_.feature_handle = port_.Open(link_.device_path, OpenMode::kFeature);
  if (link_.feature_handle == kInvalidHidHandle) return Step::kFail;
  link_.feature_report_length = caps.feature_report_length;
  link_.input_report_length = caps.input_report_length;
  link_.output_report_length = caps.output_report_length;
  link_.device_ready.store(1);
  // A reader that slept because no mouse was usable starts reading.
  if (link_.wake) link_.wake->Set();
  return Step::kFound;
}

}  // namespace vx
