// The basic page with the Emerald skin on the headless window system (libpng decoding, the
// canvas copied to the window on every change): building the whole page, and one click's
// redraw of a DPI bar and of a function box after a choice from its list. The build runs at 100,
// 150 and 200 % (its argument: the dots per inch).
#include <benchmark/benchmark.h>

#include "app/hid_mouse_dlg.h"
#include "bench_program_folder.h"
#include "layout/basic_page.h"
#include "platform/headless/headless_window_system.h"
#include "platform/system_drawing.h"
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

using bench::BenchSystem;
using bench::ProgramFolder;

// The shown main window on the basic page, over the shipped config.bin and a virtual mouse.
struct ShownBasicPage {
  ProgramFolder folder;
  sim::WireTrace wire;
  sim::VirtualHidBus bus{wire};
  sim::TracedPause pause{wire};
  test::MemoryFiles files;
  IniProfileStore profile{files};
  std::unique_ptr<ImagePort> images = CreateSystemImagePort();
  BenchSystem system{folder.program()};
  test::FakePointer pointer;
  test::FakeForeground foreground;
  test::FakeLogonTask logon_task;
  headless::HeadlessWindowSystem windows;
  std::unique_ptr<CHidMouseDlg> dialog;

  explicit ShownBasicPage(int dpi = kLayoutDpi) {
    windows.system_scale = {dpi};
    const auto config = FactoryConfigFile();
    const DataPaths paths = DeriveDataPaths(folder.program());
    files.files[paths.config_bin].assign(config.begin(), config.end());
    profile.WriteString(paths.str_ini, L"Skins", L"Path", L"Emerald");
    // The skin's files are on disk, the other files in memory: the skin check asks the latter.
    const std::wstring program = folder.program();
    const std::wstring skins = program.substr(0, program.rfind(L'/') + 1) + L"/Skins";
    files.folders[skins] = {L"Emerald"};
    for (const wchar_t* image : {L"/main.png", L"/BasicSet2.png", L"/AdvancedSet2.png"}) {
      files.not_files.insert(skins + L"/Emerald" + image);
    }
    bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
    dialog = std::make_unique<CHidMouseDlg>(
        AppPorts{windows, bus, files, profile, pause, *images, system, pointer, windows.clock(),
                 foreground, logon_task},
        MainWindowOptions{true});
    windows.Open(*dialog);
    windows.PumpSent();
  }
  // The window goes first, which lets go of a reader thread waiting in a notification to it.
  ~ShownBasicPage() { windows.DestroyWindow(dialog->window()); }
  // Keeps the recorded text draws from growing without end.
  void Forget() { windows.text.draws.clear(); }
};

void BM_BuildBasicPage(benchmark::State& state) {
  ShownBasicPage page(static_cast<int>(state.range(0)));
  CHidMouseDlg& dialog = *page.dialog;
  for (auto _ : state) {
    // As a rebuild does: the page's controls go, then it is drawn and created anew.
    dialog.state().current_page = kAdvancedPage;
    dialog.ClearPage();
    dialog.state().current_page = kNoPage;
    dialog.ShowBasicPage();
    page.Forget();
  }
}
BENCHMARK(BM_BuildBasicPage)->Arg(96)->Arg(144)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_DpiSegmentClick(benchmark::State& state) {
  ShownBasicPage page;
  int segment = 2;
  for (auto _ : state) {
    page.windows.Click(*page.dialog, 562, 508 - 18 * segment);
    segment = segment == 2 ? 3 : 2;
    page.Forget();
  }
}
BENCHMARK(BM_DpiSegmentClick)->Unit(benchmark::kMicrosecond);

// Box 4's list opened by a click, then an entry chosen: the list goes and the box is redrawn.
void BM_FunctionChoice(benchmark::State& state) {
  ShownBasicPage page;
  const Rect box = basic_layout::FunctionBox(3);
  const int list_id = basic_layout::kFirstFunctionListId + 3;
  int entry = 4;
  for (auto _ : state) {
    page.windows.Click(*page.dialog, box.left + 40, box.top + 5);
    const WindowHandle list = page.windows.ControlById(page.dialog->window(), list_id);
    page.windows.ListSetSelection(list, entry);
    page.windows.Send(*page.dialog, kMsgCommand,
                      static_cast<uintptr_t>(list_id) | uintptr_t{kListSelChange} << 16, list);
    page.windows.PumpSent();
    entry = entry == 4 ? 3 : 4;
    page.Forget();
  }
}
BENCHMARK(BM_FunctionChoice)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
