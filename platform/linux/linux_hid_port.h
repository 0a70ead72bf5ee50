#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_port.h"
#include "device/report_descriptor.h"
#include "platform/linux/linux_system.h"

namespace vx {

struct HidrawFolders {
  std::string hidraw_class = "/sys/class/hidraw";
  std::string devices = "/dev";
};

// HID over hidraw. Each top-level collection of a node's report descriptor is one interface,
// named "/dev/hidrawN#C", so the device link finds the mouse's collections as on Windows. The
// identity and capabilities come from sysfs, so a probe opens no device node.
class LinuxHidPort : public HidPort {
 public:
  // refused_access gets one line when a device node refuses to be opened for lack of rights.
  LinuxHidPort(LinuxSystem& system, HidrawFolders folders,
               std::function<void(const std::string&)> refused_access);

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

 private:
  // One opened collection; a probe has no file descriptor.
  struct OpenCollection {
    int fd = -1;
    std::string node;
    std::string name;
    HidAttributes attributes;
    TopLevelCollection collection;
    bool numbered = false;
  };

  struct Interface {
    std::string node;
    size_t collection = 0;
  };

  std::optional<OpenCollection> Describe(const Interface& interface);
  int OpenNode(const std::string& node, const std::string& name, OpenMode mode);
  std::optional<OpenCollection> Find(HidHandle handle);
  // Takes an input report of the collection off the node, the report ID in byte 0 as Windows
  // puts it there; kPending when none is queued, or only reports of other collections.
  IoResult TakeInputReport(const OpenCollection& open, std::span<uint8_t> report);
  // Nothing when the node has reports to read, else how the wait for them ended.
  std::optional<IoResult> AwaitInput(int fd, int timeout_ms);
  // Keeps errno as the calling thread's last error.
  IoResult Failed();

  LinuxSystem& system_;
  HidrawFolders folders_;
  std::function<void(const std::string&)> refused_access_;
  std::mutex mutex_;
  std::map<InterfaceSet, std::vector<Interface>> sets_;
  std::map<HidHandle, OpenCollection> handles_;
  std::map<PreparsedData, HidCaps> preparsed_;
  InterfaceSet next_set_ = 1;
  HidHandle next_handle_ = 1;
  PreparsedData next_preparsed_ = 1;
  static thread_local uint32_t last_error_;
};

}  // namespace vx
