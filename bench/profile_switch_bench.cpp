// One poll of the profile switching rules, on a fake clock and a fake program in front: the
// usual poll, where the same program stays in front after its hold was answered, and the rarer
// one where the program in front has just changed and is looked up among twenty profiles.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "profiles/profile_switcher.h"
#include "support/fake_clock.h"
#include "support/fake_foreground.h"

namespace vx {
namespace {

std::vector<ProfilePrograms> TwentyProfiles() {
  std::vector<ProfilePrograms> profiles;
  for (int i = 0; i < 20; ++i) {
    const std::wstring n = std::to_wstring(i);
    profiles.push_back({L"Profile " + n, {L"Game" + n + L".exe", L"Tool" + n + L".EXE"}});
  }
  return profiles;
}

struct Bench {
  Bench() { switcher.SetProfiles(TwentyProfiles()); }
  test::FakeClock clock;
  test::FakeForeground foreground;
  ProfileSwitcher switcher{clock, foreground, L"Vantorelliax GM.exe"};
  std::wstring active = L"Profile 0";
  std::wstring hand = L"Profile 0";
};

void BM_PollSameProgramInFront(benchmark::State& state) {
  Bench bench;
  bench.foreground.program = L"Game7.exe";
  for (int i = 0; i < 3; ++i) {
    bench.clock.now_ms += 500;
    if (auto to = bench.switcher.Poll({bench.active, bench.hand, false})) bench.active = *to;
  }
  for (auto _ : state) {
    bench.clock.now_ms += 500;
    benchmark::DoNotOptimize(bench.switcher.Poll({bench.active, bench.hand, false}));
  }
}
BENCHMARK(BM_PollSameProgramInFront);

void BM_PollProgramInFrontChanged(benchmark::State& state) {
  Bench bench;
  const std::wstring programs[] = {L"game7.exe", L"TOOL13.exe"};
  size_t next = 0;
  for (auto _ : state) {
    bench.foreground.program = programs[next++ & 1];
    bench.clock.now_ms += 500;
    benchmark::DoNotOptimize(bench.switcher.Poll({bench.active, bench.hand, false}));
  }
}
BENCHMARK(BM_PollProgramInFrontChanged);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
