#pragma once

#include "device/hid_port.h"

namespace vx {

// HID through SetupAPI, hid.dll and overlapped file I/O. Translation only: every decision about
// which interface is the mouse lives in the device link.
class Win32HidPort : public HidPort {
 public:
  std::optional<InterfaceSet> OpenInterfaceSet() override;
  EnumStatus EnumInterface(InterfaceSet set, uint32_t index) override;
  std::optional<std::wstring> InterfacePath(InterfaceSet set, uint32_t index) override;
  void CloseInterfaceSet(InterfaceSet set) override;
  HidHandle Open(const std::wstring& path, OpenMode mode) override;
  void Close(HidHandle handle) override;
  std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
  std::optional<PreparsedData> GetPreparsedData(HidHandle handle) override;
  uint32_t GetCaps(PreparsedData data, HidCaps& caps) override;
  void FreePreparsedData(PreparsedData data) override;
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override;
  bool GetFeature(HidHandle handle, std::span<uint8_t> report) override;
  IoResult WriteReport(HidHandle handle, std::span<const uint8_t> report,
                       uint32_t timeout_ms) override;
  IoResult ReadReport(HidHandle handle, std::span<uint8_t> report, uint32_t timeout_ms) override;
  std::shared_ptr<WakeEvent> CreateWakeEvent() override;
  bool BeginEventRead(HidHandle handle, size_t length, WakeEvent& wake) override;
  IoResult PollEventRead(HidHandle handle, WakeEvent& wake, std::span<uint8_t> out) override;
  void CancelEventRead(HidHandle handle, WakeEvent& wake) override;
  bool WaitForEventReadEnd(WakeEvent& wake, uint32_t timeout_ms) override;
  void AbandonEventRead(WakeEvent& wake) override;
  uint32_t LastError() override;
};

}  // namespace vx
