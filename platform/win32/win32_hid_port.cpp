#include "platform/win32/win32_hid_port.h"

#include <windows.h>
// windows.h first: the SetupAPI and HID headers build on its types.
#include <setupapi.h>
// mingw-w64's HID headers declare the functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <vector>

#include "platform/system_hid.h"
#include "platform/win32/win32_wake_event.h"

namespace vx {

namespace {

// The HID device interface class.
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

HANDLE AsHandle(HidHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}
HDEVINFO AsSet(InterfaceSet set) {
  return reinterpret_cast<HDEVINFO>(set);
}

// Waits for an overlapped transfer within the bound; one that does not finish is cancelled, and
// the cancellation is waited for, so the buffer is free again when this returns.
IoResult FinishTransfer(HANDLE file, OVERLAPPED& overlapped, BOOL started, uint32_t timeout_ms) {
  DWORD bytes = 0;
  if (!started && GetLastError() != ERROR_IO_PENDING) return {IoStatus::kFailed, 0};
  if (GetOverlappedResultEx(file, &overlapped, &bytes, timeout_ms, FALSE)) {
    return {IoStatus::kDone, bytes};
  }
  const DWORD error = GetLastError();
  if (error != WAIT_TIMEOUT && error != ERROR_IO_INCOMPLETE) return {IoStatus::kFailed, 0};
  CancelIoEx(file, &overlapped);
  GetOverlappedResult(file, &overlapped, &bytes, TRUE);
  return {IoStatus::kTimedOut, 0};
}

struct TransferEvent {
  TransferEvent() { overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
  ~TransferEvent() {
    if (overlapped.hEvent != nullptr) CloseHandle(overlapped.hEvent);
  }
  OVERLAPPED overlapped{};
};

}  // namespace

std::unique_ptr<HidPort> CreateSystemHidPort() {
  return std::make_unique<Win32HidPort>();
}

std::optional<InterfaceSet> Win32HidPort::OpenInterfaceSet() {
  HDEVINFO set = SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr,
                                      DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return std::nullopt;
  return reinterpret_cast<InterfaceSet>(set);
}

EnumStatus Win32HidPort::EnumInterface(InterfaceSet set, uint32_t index) {
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof(data);
  if (SetupDiEnumDeviceInterfaces(AsSet(set), nullptr, &kHidInterfaceClass, index, &data)) {
    return EnumStatus::kOk;
  }
  return GetLastError() == ERROR_NO_MORE_ITEMS ? EnumStatus::kNoMoreItems : EnumStatus::kOtherError;
}

std::optional<std::wstring> Win32HidPort::InterfacePath(InterfaceSet set, uint32_t index) {
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof(data);
  if (!SetupDiEnumDeviceInterfaces(AsSet(set), nullptr, &kHidInterfaceClass, index, &data)) {
    return std::nullopt;
  }
  // The first call only reports the size the detail record needs.
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailW(AsSet(set), &data, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
  std::vector<unsigned char> storage(size);
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!SetupDiGetDeviceInterfaceDetailW(AsSet(set), &data, detail, size, nullptr, nullptr)) {
    return std::nullopt;
  }
  return std::wstring(detail->DevicePath);
}

void Win32HidPort::CloseInterfaceSet(InterfaceSet set) {
  SetupDiDestroyDeviceInfoList(AsSet(set));
}

HidHandle Win32HidPort::Open(const std::wstring& path, OpenMode mode) {
  DWORD access = 0;
  // The feature handle is overlapped too, so that a long transfer's reads and writes can be
  // bounded; the feature-report calls of hid.dll complete synchronously on it all the same.
  DWORD flags = FILE_FLAG_OVERLAPPED;
  switch (mode) {
    case OpenMode::kProbe:
      // Mice open for attributes and capabilities only without read or write access.
      flags = 0;
      break;
    case OpenMode::kFeature:
      access = GENERIC_READ | GENERIC_WRITE;
      break;
    case OpenMode::kEventRead:
      access = GENERIC_READ;
      flags |= FILE_ATTRIBUTE_NORMAL;
      break;
  }
  HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, flags, nullptr);
  return file == INVALID_HANDLE_VALUE ? kInvalidHidHandle : reinterpret_cast<HidHandle>(file);
}

void Win32HidPort::Close(HidHandle handle) {
  CloseHandle(AsHandle(handle));
}

std::optional<HidAttributes> Win32HidPort::GetAttributes(HidHandle handle) {
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof(attributes);
  if (!HidD_GetAttributes(AsHandle(handle), &attributes)) return std::nullopt;
  return HidAttributes{attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
}

std::optional<PreparsedData> Win32HidPort::GetPreparsedData(HidHandle handle) {
  PHIDP_PREPARSED_DATA data = nullptr;
  if (!HidD_GetPreparsedData(AsHandle(handle), &data)) return std::nullopt;
  return reinterpret_cast<PreparsedData>(data);
}

uint32_t Win32HidPort::GetCaps(PreparsedData data, HidCaps& caps) {
  HIDP_CAPS system_caps{};
  const NTSTATUS status = HidP_GetCaps(reinterpret_cast<PHIDP_PREPARSED_DATA>(data), &system_caps);
  caps = {system_caps.Usage, system_caps.UsagePage, system_caps.InputReportByteLength,
          system_caps.OutputReportByteLength, system_caps.FeatureReportByteLength};
  return static_cast<uint32_t>(status);
}

void Win32HidPort::FreePreparsedData(PreparsedData data) {
  HidD_FreePreparsedData(reinterpret_cast<PHIDP_PREPARSED_DATA>(data));
}

bool Win32HidPort::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  std::vector<uint8_t> copy(report.begin(), report.end());
  return HidD_SetFeature(AsHandle(handle), copy.data(), static_cast<ULONG>(copy.size()));
}

bool Win32HidPort::GetFeature(HidHandle handle, std::span<uint8_t> report) {
  return HidD_GetFeature(AsHandle(handle), report.data(), static_cast<ULONG>(report.size()));
}

IoResult Win32HidPort::WriteReport(HidHandle handle, std::span<const uint8_t> report,
                                   uint32_t timeout_ms) {
  TransferEvent transfer;
  if (transfer.overlapped.hEvent == nullptr) return {IoStatus::kFailed, 0};
  const BOOL started = WriteFile(AsHandle(handle), report.data(), static_cast<DWORD>(report.size()),
                                 nullptr, &transfer.overlapped);
  return FinishTransfer(AsHandle(handle), transfer.overlapped, started, timeout_ms);
}

IoResult Win32HidPort::ReadReport(HidHandle handle, std::span<uint8_t> report,
                                  uint32_t timeout_ms) {
  TransferEvent transfer;
  if (transfer.overlapped.hEvent == nullptr) return {IoStatus::kFailed, 0};
  const BOOL started = ReadFile(AsHandle(handle), report.data(), static_cast<DWORD>(report.size()),
                                nullptr, &transfer.overlapped);
  return FinishTransfer(AsHandle(handle), transfer.overlapped, started, timeout_ms);
}

std::shared_ptr<WakeEvent> Win32HidPort::CreateWakeEvent() {
  auto wake = std::make_shared<Win32WakeEvent>();
  if (!wake->valid()) return nullptr;
  return wake;
}

bool Win32HidPort::BeginEventRead(HidHandle handle, size_t length, WakeEvent& wake) {
  EventReadSlot& slot = static_cast<Win32WakeEvent&>(wake).slot();
  slot.buffer.assign(length, 0);
  slot.overlapped.Offset = 0;
  slot.overlapped.OffsetHigh = 0;
  // The buffer must be as long as the collection's input reports, or the system refuses the read.
  if (ReadFile(AsHandle(handle), slot.buffer.data(), static_cast<DWORD>(slot.buffer.size()),
               nullptr, &slot.overlapped)) {
    return true;
  }
  return GetLastError() == ERROR_IO_PENDING;
}

IoResult Win32HidPort::PollEventRead(HidHandle handle, WakeEvent& wake, std::span<uint8_t> out) {
  EventReadSlot& slot = static_cast<Win32WakeEvent&>(wake).slot();
  DWORD bytes = 0;
  if (GetOverlappedResult(AsHandle(handle), &slot.overlapped, &bytes, FALSE)) {
    std::copy_n(slot.buffer.begin(), std::min<size_t>(bytes, out.size()), out.begin());
    return {IoStatus::kDone, bytes};
  }
  return GetLastError() == ERROR_IO_INCOMPLETE ? IoResult{IoStatus::kPending, 0}
                                               : IoResult{IoStatus::kFailed, 0};
}

void Win32HidPort::CancelEventRead(HidHandle handle, WakeEvent& wake) {
  CancelIoEx(AsHandle(handle), &static_cast<Win32WakeEvent&>(wake).slot().overlapped);
}

// The read's own event may have been reset with the wake event after the read ended; the record
// still tells that it ended.
bool Win32HidPort::WaitForEventReadEnd(WakeEvent& wake, uint32_t timeout_ms) {
  OVERLAPPED& overlapped = static_cast<Win32WakeEvent&>(wake).slot().overlapped;
  return HasOverlappedIoCompleted(&overlapped) ||
         WaitForSingleObject(overlapped.hEvent, timeout_ms) == WAIT_OBJECT_0;
}

void Win32HidPort::AbandonEventRead(WakeEvent& wake) {
  static_cast<Win32WakeEvent&>(wake).AbandonSlot();
}

uint32_t Win32HidPort::LastError() {
  return GetLastError();
}

}  // namespace vx
