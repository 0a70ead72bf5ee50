#include <windows.h>
// windows.h first: timeapi.h builds on its types.
#include <timeapi.h>

#include "platform/system_pause.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vx {

namespace {

// Sleep(2) lasts a whole 15.6 ms tick at the default timer resolution, which would stretch an
// apply several times over. A high-resolution waitable timer keeps the pauses near their length;
// where the system has none, the timer resolution is raised for as long as this object lives.
class Win32Pause : public PausePort {
 public:
  Win32Pause() {
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS);
    if (timer_ == nullptr) {
      raised_resolution_ = timeBeginPeriod(1) == TIMERR_NOERROR;
      timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
  }
  ~Win32Pause() override {
    if (timer_ != nullptr) CloseHandle(timer_);
    if (raised_resolution_) timeEndPeriod(1);
  }
  Win32Pause(const Win32Pause&) = delete;
  Win32Pause& operator=(const Win32Pause&) = delete;

  void Pause(uint32_t milliseconds) override {
    LARGE_INTEGER due;
    due.QuadPart = -10000LL * milliseconds;  // relative, in 100 ns units
    if (timer_ == nullptr || !SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
      Sleep(milliseconds);
      return;
    }
    WaitForSingleObject(timer_, INFINITE);
  }

 private:
  HANDLE timer_ = nullptr;
  bool raised_resolution_ = false;
};

}  // namespace

std::unique_ptr<PausePort> CreateSystemPause() {
  return std::make_unique<Win32Pause>();
}

}  // namespace vx
