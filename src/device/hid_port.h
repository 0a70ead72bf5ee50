#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vx {

// Opaque values of the system: a file handle, a device-interface set, preparsed HID data.
using HidHandle = std::intptr_t;
using InterfaceSet = std::intptr_t;
using PreparsedData = std::intptr_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

enum class OpenMode {
  kProbe,      // no access rights: enough to read attributes and capabilities
  kFeature,    // read/write, for feature reports and long transfers
  kEventRead,  // read-only, overlapped
};

enum class EnumStatus { kOk, kNoMoreItems, kOtherError };

// HidP_GetCaps's answers; any other value is some other failure.
inline constexpr uint32_t kHidpStatusSuccess = 0x00110000;
inline constexpr uint32_t kHidpStatusInvalidPreparsedData = 0xC0110001;

enum class IoStatus { kDone, kPending, kTimedOut, kFailed };

struct IoResult {
  IoStatus status = IoStatus::kFailed;
  size_t bytes = 0;
};

struct HidAttributes {
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
  uint16_t version = 0;
};

struct HidCaps {
  uint16_t usage = 0;
  uint16_t usage_page = 0;
  uint16_t input_report_length = 0;
  uint16_t output_report_length = 0;
  uint16_t feature_report_length = 0;
};

// A manual-reset event: the event reader sleeps on it, an opening of the device wakes it.
class WakeEvent {
 public:
  virtual ~WakeEvent() = default;
  virtual void Set() = 0;
  virtual void Reset() = 0;
  // True when the event was signalled within the time-out.
  virtual bool Wait(uint32_t timeout_ms) = 0;
};

// The system's HID class driver and device-interface enumeration, one call per operation.
class HidPort {
 public:
  virtual ~HidPort() = default;

  // Present HID device interfaces.
  virtual std::optional<InterfaceSet> OpenInterfaceSet() = 0;
  virtual EnumStatus EnumInterface(InterfaceSet set, uint32_t index) = 0;
  virtual std::optional<std::wstring> InterfacePath(InterfaceSet set, uint32_t index) = 0;
  virtual void CloseInterfaceSet(InterfaceSet set) = 0;

  virtual HidHandle Open(const std::wstring& path, OpenMode mode) = 0;
  virtual void Close(HidHandle handle) = 0;

  virtual std::optional<HidAttributes> GetAttributes(HidHandle handle) = 0;
  virtual std::optional<PreparsedData> GetPreparsedData(HidHandle handle) = 0;
  // The system's status; caps as the system filled them in (zeros when it failed).
  virtual uint32_t GetCaps(PreparsedData data, HidCaps& caps) = 0;
  virtual void FreePreparsedData(PreparsedData data) = 0;

  // Feature reports; the buffer length is the collection's feature report length.
  virtual bool SetFeature(HidHandle handle, std::span<const uint8_t> report) = 0;
  virtual bool GetFeature(HidHandle handle, std::span<uint8_t> report) = 0;

  // Output and input reports of a long transfer, each bounded by a time-out.
  virtual IoResult WriteReport(HidHandle handle, std::span<const uint8_t> report,
                               uint32_t timeout_ms) = 0;
  virtual IoResult ReadReport(HidHandle handle, std::span<uint8_t> report, uint32_t timeout_ms) = 0;

  // Overlapped reads of the event collection, one at a time per wake event. A read of `length`
  // bytes started with BeginEventRead signals the wake event when it ends. Its buffer belongs to
  // the port, so a read that cannot be cancelled in time never writes into memory the caller uses
  // again. None of these calls waits, except WaitForEventReadEnd, which needs no handle: it also
  // serves a read whose handle was closed under it.
  virtual std::shared_ptr<WakeEvent> CreateWakeEvent() = 0;
  virtual bool BeginEventRead(HidHandle handle, size_t length, WakeEvent& wake) = 0;
  // Done: the report's first bytes are copied into out, and bytes is the report's length.
  virtual IoResult PollEventRead(HidHandle handle, WakeEvent& wake, std::span<uint8_t> out) = 0;
  // Asks the system to end the read; it ends some time later.
  virtual void CancelEventRead(HidHandle handle, WakeEvent& wake) = 0;
  // True once the wake event's read has ended, waiting at most the time-out.
  virtual bool WaitForEventReadEnd(WakeEvent& wake, uint32_t timeout_ms) = 0;
  // Leaves a read that would not end to the system, buffer and all; the next read gets new ones.
  virtual void AbandonEventRead(WakeEvent& wake) = 0;

  // The calling thread's system error code, as the last call that failed on it left it.
  virtual uint32_t LastError() = 0;
};

}  // namespace vx
