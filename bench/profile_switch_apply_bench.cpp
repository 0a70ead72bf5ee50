// One whole profile switch as the tray's Profiles menu makes it: the profile's file read and
// checked, the setup's files saved, and the apply sent through the program's device link to a
// virtual mouse. The pauses are really waited out and clocked, so that overhead_ms, the switch's
// time less the time spent in pauses, is what the switch adds to the apply's own pacing. The
// files are in memory (argument 0), which leaves the program's own work, or real ones on disk
// (argument 1), saved with their flushes. The window stays in the tray, where switches by the
// program in front happen.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/hid_mouse_dlg.h"
#include "bench_program_folder.h"
#include "far_profile_text.h"
#include "platform/headless/headless_window_system.h"
#include "platform/system_drawing.h"
#include "platform/system_files.h"
#include "platform/system_pause.h"
#include "platform/system_profile.h"
#include "profiles/profile_file.h"
#include "settings/data_paths.h"
#include "settings/factory_settings.h"
#include "settings/ini_engine.h"
#include "sim/virtual_hid_bus.h"
#include "sim/wire_trace.h"
#include "support/fake_foreground.h"
#include "support/fake_logon_task.h"
#include "support/fake_pointer.h"
#include "support/memory_files.h"

namespace vx {
namespace {

using Clock = std::chrono::steady_clock;

// The host's own pause, timed: what a pause really took is known apart from what it asked.
class ClockedPause : public PausePort {
 public:
  void Pause(uint32_t milliseconds) override {
    const Clock::time_point start = Clock::now();
    real_->Pause(milliseconds);
    paused += Clock::now() - start;
    asked_ms += milliseconds;
  }
  void BeginPacing() override { real_->BeginPacing(); }
  void EndPacing() override { real_->EndPacing(); }

  Clock::duration paused{};
  uint64_t asked_ms = 0;

 private:
  std::unique_ptr<PausePort> real_ = CreateSystemPause();
};

void WriteFile(FilePort& files, const std::wstring& path, std::span<const uint8_t> bytes) {
  if (files.ReplaceAll(path, bytes) != 0) throw std::runtime_error("cannot write a bench file");
}

// The program in the tray over the shipped config.bin as "Default", a far profile beside it.
struct ProgramInTray {
  bench::ProgramFolder folder;
  DataPaths paths = DeriveDataPaths(folder.program());
  sim::WireTrace wire{false};
  sim::VirtualHidBus bus{wire};
  ClockedPause pause;
  test::MemoryFiles memory;
  std::unique_ptr<FilePort> disk = CreateSystemFilePort();
  FilePort* files;
  std::unique_ptr<ProfileStore> profile;
  std::unique_ptr<ImagePort> images = CreateSystemImagePort();
  bench::BenchSystem system{folder.program()};
  test::FakePointer pointer;
  test::FakeForeground foreground;
  test::FakeLogonTask logon_task;
  headless::HeadlessWindowSystem windows;
  std::unique_ptr<CHidMouseDlg> dialog;
  int mouse = bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());

  explicit ProgramInTray(bool on_disk)
      : files(on_disk ? disk.get() : &memory),
        profile(on_disk ? CreateSystemProfileStore(*disk)
                        : std::make_unique<IniProfileStore>(memory)) {
    if (!on_disk) AddSkinToMemory();
    WriteFile(*files, paths.config_bin, FactoryConfigFile());
    profile->WriteString(paths.str_ini, L"Skins", L"Path", L"Emerald");
    dialog = std::make_unique<CHidMouseDlg>(
        AppPorts{windows, bus, *files, *profile, pause, *images, system, pointer, windows.clock(),
                 foreground, logon_task},
        MainWindowOptions{});
    windows.Open(*dialog);
    windows.PumpSent();
    // After the first start, which keeps the setup as "Default" in a new Profiles folder.
    const std::string far = bench::kFarProfileText;
    WriteFile(*files, paths.profiles + L"/Far" + kProfileFileExtension,
              {reinterpret_cast<const uint8_t*>(far.data()), far.size()});
  }
  ~ProgramInTray() { windows.DestroyWindow(dialog->window()); }

  // The skin's images stay on disk; the skin check asks the files in memory.
  void AddSkinToMemory() {
    const std::wstring program = folder.program();
    const std::wstring skins = program.substr(0, program.rfind(L'/') + 1) + L"/Skins";
    memory.folders[skins] = {L"Emerald"};
    for (const wchar_t* image : {L"/main.png", L"/BasicSet2.png", L"/AdvancedSet2.png"}) {
      memory.not_files.insert(skins + L"/Emerald" + image);
    }
  }

  // The tray menu's Profiles submenu: "Default" and "Far" first, then the menu's own items.
  std::vector<MenuItem> ProfileItems() {
    windows.Send(*dialog, kMsgTrayNotify, 1, kMsgRButtonUp);
    windows.PumpSent();
    return windows.menus.back().items.at(0).submenu;
  }
  void Choose(int command) {
    windows.Send(*dialog, kMsgCommand, static_cast<uintptr_t>(command), 0);
    windows.PumpSent();
  }
  uint8_t MouseRate() { return bus.firmware(mouse).memory().rate; }
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Every iteration switches to the other profile, so each apply sends a setup unlike the last.
void BM_SwitchProfile(benchmark::State& state) {
  ProgramInTray program(state.range(0) != 0);
  const std::vector<MenuItem> items = program.ProfileItems();
  if (items.size() < 2 || items[0].text != L"Default" || items[1].text != L"Far") {
    state.SkipWithError("the tray does not list Default and Far");
    return;
  }
  const uint8_t rates[] = {FactoryRecord().report_rate_code, 8};
  Clock::duration total{};
  size_t next = 1;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    program.Choose(items[next].command);
    total += Clock::now() - start;
    // A switch that did not reach the mouse would be timed as a fast one.
    if (program.MouseRate() != rates[next]) {
      state.SkipWithError("the mouse did not get the profile's report rate");
      return;
    }
    next ^= 1;
    program.windows.trace.clear();
    program.windows.balloons.clear();
  }
  const auto per_switch = benchmark::Counter::kAvgIterations;
  const double paused_ms = Milliseconds(program.pause.paused);
  state.counters["total_ms"] = benchmark::Counter(Milliseconds(total), per_switch);
  state.counters["pauses_ms"] = benchmark::Counter(paused_ms, per_switch);
  state.counters["asked_ms"] =
      benchmark::Counter(static_cast<double>(program.pause.asked_ms), per_switch);
  state.counters["overhead_ms"] = benchmark::Counter(Milliseconds(total) - paused_ms, per_switch);
}
BENCHMARK(BM_SwitchProfile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
