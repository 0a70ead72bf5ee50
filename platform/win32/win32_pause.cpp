#include <windows.h>
// windows.h first: timeapi.h builds on its types.
#include <timeapi.h>

#include "platform/system_pause.h"
#include "platform/win32/system_library.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vx {

namespace {

// Sleep(2) lasts a whole 15.6 ms tick at the default timer resolution, which would stretch an
// apply several times over. A high-resolution waitable timer keeps the pauses near their length;
// where the system has none, the timer resolution is raised while a paced run lasts.
class Win32Pause : public PausePort {
 public:
  Win32Pause() {
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS);
    if (timer_ == nullptr) {
      coarse_ = true;
      timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
  }
  ~Win32Pause() override {
    if (timer_ != nullptr) CloseHandle(timer_);
  }
  Win32Pause(const Win32Pause&) = delete;
  Win32Pause& operator=(const Win32Pause&) = delete;

  // The timer sleeps most of the pause; the rest is spun out against the performance counter,
  // since timer wake-ups run late by a fraction of a millisecond, which on 2 ms adds up.
  void Pause(uint32_t milliseconds) override {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const LONGLONG deadline = now.QuadPart + frequency.QuadPart * milliseconds / 1000;
    constexpr LONGLONG kSpinUnits = 5000;  // 0.5 ms in 100 ns units
    LARGE_INTEGER due;
    due.QuadPart = -(10000LL * milliseconds - kSpinUnits);  // relative, in 100 ns units
    if (timer_ == nullptr || due.QuadPart >= 0 ||
        !SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
      Sleep(milliseconds > 1 ? milliseconds - 1 : 0);
    } else {
      WaitForSingleObject(timer_, INFINITE);
    }
    do {
      YieldProcessor();
      QueryPerformanceCounter(&now);
    } while (now.QuadPart < deadline);
  }

  void BeginPacing() override {
    if (!coarse_) return;
    static auto* const begin_period =
        SystemFunction<decltype(timeBeginPeriod)>(L"winmm.dll", "timeBeginPeriod");
    if (paced_runs_++ == 0 && begin_period != nullptr) begin_period(1);
  }
  void EndPacing() override {
    if (!coarse_) return;
    static auto* const end_period =
        SystemFunction<decltype(timeEndPeriod)>(L"winmm.dll", "timeEndPeriod");
    if (--paced_runs_ == 0 && end_period != nullptr) end_period(1);
  }

 private:
  HANDLE timer_ = nullptr;
  bool coarse_ = false;
  int paced_runs_ = 0;
};

}  // namespace

std::unique_ptr<PausePort> CreateSystemPause() {
  return std::make_unique<Win32Pause>();
}

}  // namespace vx
