// Event reports of any length and content through the event reader's thread: only the mouse's
// notifications reach the window, each as its code and value.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <utility>

#include "device/event_reader.h"
#include "fuzz/fuzz_support.h"
#include "sim/thread_wake_event.h"

namespace vx::fuzz {
namespace {

using Note = std::pair<uint32_t, uint32_t>;

class RecordingHost : public LinkHost {
 public:
  void Notify(uint32_t code, uint32_t value) override {
    std::lock_guard<std::mutex> lock(mutex);
    notes.emplace_back(code, value);
  }
  void HideMainWindow() override {}
  std::mutex mutex;
  std::vector<Note> notes;
};

// Event reads scripted by the input; tells when the script has run out.
class EventScriptPort : public ScriptedHidPort {
 public:
  EventScriptPort(FuzzedDataProvider& script, uint16_t report_length)
      : ScriptedHidPort(script, {}), script_(script), report_length_(report_length) {}

  bool BeginEventRead(HidHandle, size_t length, WakeEvent& wake) override {
    Require(length == report_length_, "an event read asks for the collection's length");
    if (script_.remaining_bytes() == 0) {
      Finish();
      return false;
    }
    const bool started = script_.ConsumeBool();
    // A read that could not start makes the reader wait; it need not wait here.
    if (!started) wake.Set();
    return started;
  }

  IoResult PollEventRead(HidHandle, WakeEvent& wake, std::span<uint8_t> out) override {
    static constexpr IoStatus kStatuses[] = {IoStatus::kDone, IoStatus::kPending,
                                             IoStatus::kFailed, IoStatus::kTimedOut};
    const IoStatus status = script_.PickValueInArray(kStatuses);
    if (status == IoStatus::kPending) wake.Set();
    if (status != IoStatus::kDone) return {status, 0};
    const auto report = script_.ConsumeBytes<uint8_t>(script_.ConsumeIntegralInRange(0, 64));
    std::copy_n(report.begin(), std::min(report.size(), out.size()), out.begin());
    Expect(out, report.size());
    return {IoStatus::kDone, report.size()};
  }

  void WaitUntilFinished() {
    std::unique_lock<std::mutex> lock(mutex_);
    Require(finished_changed_.wait_for(lock, std::chrono::seconds(10), [&] { return finished_; }),
            "the reader keeps reading while reports come");
  }

  std::vector<Note> expected;

 private:
  // The window hears of an event report (ID 6) that names a notification, by byte 1 and 3.
  void Expect(std::span<const uint8_t> out, size_t length) {
    if (length == 0 || out[0] != 6) return;
    if (out[1] == 5 || out[1] == 7 || out[1] == 8 || out[1] == 9) {
      expected.emplace_back(out[1], length > 3 ? out[3] : 0);
    }
  }
  void Finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    finished_changed_.notify_all();
  }

  FuzzedDataProvider& script_;
  uint16_t report_length_;
  std::mutex mutex_;
  std::condition_variable finished_changed_;
  bool finished_ = false;
};

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  FuzzedDataProvider script(data, size);
  const uint16_t report_length = script.ConsumeIntegralInRange<uint16_t>(0, 80);
  EventScriptPort port(script, report_length);
  LinkState link;
  link.event_read_handle = 2;
  link.event_report_length = report_length;
  link.device_ready = 1;
  link.wake = std::make_shared<sim::ThreadWakeEvent>();
  RecordingHost host;
  EventReader reader(port, link, host);
  reader.Start(true);
  port.WaitUntilFinished();
  reader.Stop();
  Require(host.notes == port.expected, "each notification reaches the window once, as sent");
  return 0;
}
