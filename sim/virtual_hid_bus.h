#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_port.h"
#include "sim/mouse_firmware.h"
#include "sim/wire_trace.h"

namespace vx::sim {

enum class InterfaceOrder { kEventFirst, kVendorFirst };

enum class InterfaceKind {
  kMousePointer,  // the mouse's ordinary pointer collection, of no interest to the program
  kMouseEvent,
  kMouseVendor,
  kForeign,   // some other HID device
  kRefusing,  // a device that cannot even be opened for a probe
};

struct VirtualInterface {
  std::wstring path;
  InterfaceKind kind = InterfaceKind::kForeign;
  HidAttributes attributes;
  HidCaps caps;
  int mouse = -1;  // index of the mouse it belongs to
  bool present = true;
};

// Faults that the bus injects; each test copies the sane default and changes one field.
struct BusFaults {
  bool no_feature_answer = false;  // every feature read fails
  bool garbage_answers = false;    // feature reads return noise
  bool input_reports_never_arrive = false;
  bool output_reports_time_out = false;
  bool event_reads_never_complete = false;
  int unplug_after_output_reports = -1;  // unplug the mouse after this many output reports
  bool wake_event_fails = false;
  bool interface_path_fails = false;
  bool preparsed_data_fails = false;
  bool caps_invalid = false;
  std::optional<OpenMode> refused_open_mode;  // opens in this mode fail
  bool cancelled_event_reads_never_end = false;
};

// The faults a person can ask for by name, as gmctl's --fault and the program's
// --virtual-mouse-fault take them: "no-answer", "garbage", "no-input-reports", "output-timeout"
// and "unplug-after=N" (N output reports, 0 unplugs at once). Nothing for any other name.
std::optional<BusFaults> BusFaultsNamed(std::string_view kind);

// A HID bus with virtual mice on it, behind the same port as the system's HID.
class VirtualHidBus : public HidPort {
 public:
  explicit VirtualHidBus(WireTrace& trace) : trace_(trace) {}

  // Adds a mouse's three collections in the given order; returns the mouse's index.
  int AddMouse(ProbeMode mode, const MouseMemory& memory,
               InterfaceOrder order = InterfaceOrder::kEventFirst);
  void AddForeignDevice();
  void AddRefusingDevice();

  // Removes or brings back every interface of a mouse; returns the paths for the broadcasts.
  std::vector<std::wstring> Unplug(int mouse);
  std::vector<std::wstring> Plug(int mouse);
  // Removes one interface by kind; returns its path.
  std::wstring UnplugInterface(int mouse, InterfaceKind kind);

  // The mouse announces something on its event collection: report ID 6, code, 0, value.
  void EmitEvent(int mouse, uint8_t code, uint8_t value);
  // Any event report, also of zero length or with another ID.
  void EmitEventReport(int mouse, std::vector<uint8_t> report);
  // True while a read of the mouse's event collection is waiting for a report.
  bool EventReadPending(int mouse) const;
  // Waits, at most the time-out, until such a read is pending; false when none came.
  bool WaitForPendingEventRead(int mouse, std::chrono::milliseconds timeout) const;
  // While held, a cancelled event read (also one whose handle was closed) lingers until released,
  // and keeps WaitForEventReadEnd waiting whatever its time-out: a driver slow to let it go.
  void HoldCancelledEventReads();
  void ReleaseCancelledEventReads();
  // Waits, at most the time-out, until WaitForEventReadEnd waits for a read that lingers.
  bool WaitForAwaitingCancelledRead(std::chrono::milliseconds timeout) const;
  // Uses of the port that would be faults on a real system, such as a call on a handle already
  // closed (whose value the system may have handed out again) or a second read started on a
  // wake event whose read is still in flight; one line each.
  std::vector<std::string> misuses() const;

  MouseFirmware& firmware(int mouse) { return *mice_.at(mouse); }
  const std::vector<VirtualInterface>& interfaces() const { return interfaces_; }
  BusFaults faults;
  // Faults that take over from `faults` once a mouse has answered a scrambled probe, so the
  // handshake itself goes through; the output reports of unplug_after_output_reports are counted
  // from then on.
  std::optional<BusFaults> faults_after_handshake;
  // Longest wait that any operation was asked to bound itself to.
  uint32_t longest_wait_ms() const;
  // The bus's clock: how long its calls kept their callers waiting. Every time-out it runs out
  // counts in full; everything else answers at once.
  uint64_t blocked_ms() const;
  size_t open_handle_count() const;

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
  // Set by the calls that fail, per thread, with the system's codes.
  uint32_t LastError() override;

 private:
  struct EventRead {
    HidHandle handle = kInvalidHidHandle;
    size_t interface_index = 0;
    std::vector<uint8_t> buffer;
    IoStatus status = IoStatus::kPending;
    size_t bytes = 0;
    uint32_t error = 0;
    bool cancelled = false;
  };
  struct OpenHandle {
    size_t interface_index = 0;
    OpenMode mode = OpenMode::kProbe;
  };

  void AddInterface(VirtualInterface added);
  // The handle's interface when it is present and open in the given mode; else the call fails.
  const VirtualInterface* Usable(HidHandle handle, OpenMode mode, const char* call);
  static void Fail(uint32_t error);
  // Notes a call on a handle already closed.
  void NoteUse(HidHandle handle, const char* call);
  void EndRead(WakeEvent* wake, EventRead& read, IoStatus status, uint32_t error);
  // A read that is asked to end ends at once, unless cancelled reads are held or never end.
  void CancelRead(WakeEvent* wake, EventRead& read);
  void FailReadsOf(size_t interface_index);
  bool HasPendingRead(int mouse) const;
  void DeliverEvents(int mouse);
  void SetPresence(int mouse, bool present, std::vector<std::wstring>& paths);
  void NoteWait(uint32_t timeout_ms);
  IoResult TimedOut(uint32_t timeout_ms);
  // True when a feature report of that length may go to the interface; else the call fails.
  static bool FeatureCallFits(const VirtualInterface* target, size_t length);
  // Switches faults_after_handshake on when the answer is a mouse's scrambled probe echo.
  void ArmFaultsAfter(const MouseFirmware& mouse, const FeatureFrame& plain_answer, int index);

  WireTrace& trace_;
  mutable std::mutex mutex_;
  std::vector<std::unique_ptr<MouseFirmware>> mice_;
  std::vector<VirtualInterface> interfaces_;
  std::map<HidHandle, OpenHandle> handles_;
  std::set<HidHandle> closed_handles_;
  // Each wake event's read, from its start until it is polled or awaited after it ended.
  std::map<WakeEvent*, EventRead> event_reads_;
  mutable std::condition_variable event_reads_changed_;
  bool hold_cancelled_reads_ = false;
  size_t awaiting_cancelled_reads_ = 0;
  std::vector<std::string> misuses_;
  static thread_local uint32_t last_error_;
  std::map<int, std::vector<std::vector<uint8_t>>> queued_events_;
  HidHandle next_handle_ = 0x100;
  InterfaceSet next_set_ = 1;
  std::map<InterfaceSet, std::vector<size_t>> sets_;
  uint32_t longest_wait_ms_ = 0;
  uint64_t blocked_ms_ = 0;
  int output_reports_ = 0;
  uint32_t noise_ = 0x12345678;
};

}  // namespace vx::sim
