// The program's entry point: the application object and the composition of its ports.
#include <windows.h>
// windows.h first: the common-controls and shell headers build on its types.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "app/command_line.h"
#include "app/hid_mouse_dlg.h"
#include "common/text_format.h"
#include "platform/system_clock.h"
#include "platform/system_drawing.h"
#include "platform/system_files.h"
#include "platform/system_foreground.h"
#include "platform/system_hid.h"
#include "platform/system_pause.h"
#include "platform/system_profile.h"
#include "platform/win32/gdiplus_session.h"
#include "platform/win32/win32_logon_task.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_pointer_port.h"
#include "platform/win32/win32_system_port.h"
#include "platform/win32/win32_window_system.h"
#include "sim/virtual_mouse_session.h"

namespace vx {

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

// Returns 0 in every case: the process ends when the main dialog has ended.
class CHidMouseApp {
 public:
  explicit CHidMouseApp(HINSTANCE instance) : windows_(instance) {}

  int Run() {
    // The task scheduler and the file dialogs are COM objects of this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // Before the first window, whose scale is taken when it is made.
    DeclareDpiAwareness();
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    if (!windows_.RegisterMainWindowClass()) return 0;
    GdiplusSession imaging;
    const CommandLineOptions options = ParseCommandLine(Arguments());
    std::unique_ptr<FilePort> files = CreateSystemFilePort();
    std::unique_ptr<sim::VirtualMouseSession> virtual_mouse;
    std::unique_ptr<HidPort> system_hid;
    if (options.virtual_mouse) {
      virtual_mouse =
          std::make_unique<sim::VirtualMouseSession>(*files, options.virtual_mouse_file);
      if (!virtual_mouse->load_error().empty()) {
        const std::wstring line =
            L"virtual mouse: " + Widen(virtual_mouse->load_error()) + L"; the file is kept";
        OutputDebugStringW(line.c_str());
      }
      if (options.virtual_mouse_fault &&
          !virtual_mouse->InjectFault(*options.virtual_mouse_fault)) {
        const std::wstring line =
            L"virtual mouse: no fault named '" + *options.virtual_mouse_fault + L"'";
        OutputDebugStringW(line.c_str());
      }
    } else {
      system_hid = CreateSystemHidPort();
    }
    HidPort& hid = virtual_mouse ? virtual_mouse->hid() : *system_hid;
    std::unique_ptr<ProfileStore> profile = CreateSystemProfileStore(*files);
    std::unique_ptr<PausePort> pause = CreateSystemPause();
    std::unique_ptr<ImagePort> images = CreateSystemImagePort();
    Win32SystemPort system;
    std::unique_ptr<PointerPort> pointer = CreateWin32PointerPort();
    std::unique_ptr<ClockPort> clock = CreateSystemClock();
    std::unique_ptr<ForegroundPort> foreground = CreateSystemForegroundPort();
    std::unique_ptr<LogonTaskPort> logon_task = CreateWin32LogonTaskPort();
    CHidMouseDlg dialog({windows_, hid, *files, *profile, *pause, *images, system, *pointer,
                         *clock, *foreground, *logon_task},
                        MainWindowOptions{options.show});
    dialog.DoModal();
    return 0;
  }

 private:
  Win32WindowSystem windows_;
};

}  // namespace

}  // namespace vx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  OutputDebugStringW(L"process start");
  return vx::CHidMouseApp(instance).Run();
}
