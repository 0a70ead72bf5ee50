#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "app/hid_mouse_dlg.h"
#include "platform/headless/headless_window_system.h"
#include "settings/ini_engine.h"
#include "sim/virtual_hid_bus.h"
#include "sim/wire_trace.h"
#include "support/fake_foreground.h"
#include "support/fake_images.h"
#include "support/fake_logon_task.h"
#include "support/fake_pointer.h"
#include "support/memory_files.h"

namespace vx::test {

inline constexpr wchar_t kModulePath[] = L"C:\\Games\\Mouse\\Vantorelliax GM.exe";
inline constexpr wchar_t kConfigPath[] = L"C:\\Games\\Mouse\\config.bin";
inline constexpr wchar_t kStrIniPath[] = L"C:\\Games\\Mouse\\str.ini";

class FakeSystem : public SystemPort {
 public:
  std::wstring ModulePath() override { return module_path; }
  unsigned VersionMajor() override { return major; }
  unsigned VersionMinor() override { return minor; }
  uint16_t DisplayLanguage() override { return display_language; }
  bool CreateInstanceMutex(const std::wstring& name) override {
    mutex_name = name;
    return !other_instance;
  }
  std::wstring ErrorText(uint32_t error) override {
    return error == 5 ? L"Access is denied." : L"";
  }
  void ExitProcess(int code) override { exit_code = code; }

  std::wstring module_path = kModulePath;
  unsigned major = 6;
  unsigned minor = 2;
  bool other_instance = false;
  uint16_t display_language = 0x0409;
  std::wstring mutex_name;
  std::optional<int> exit_code;
};

// The main window on the headless window system, with a virtual mouse, files in memory and the
// INI engine behind str.ini.
struct AppFixture {
  sim::WireTrace wire;
  sim::VirtualHidBus bus{wire};
  sim::TracedPause pause{wire};
  MemoryFiles files;
  IniProfileStore profile{files};
  FakeImages images;
  FakeSystem system;
  FakePointer pointer;
  FakeForeground foreground;
  FakeLogonTask logon_task;
  headless::HeadlessWindowSystem windows;
  std::unique_ptr<CHidMouseDlg> dialog;
  int mouse = -1;

  AppFixture();
  ~AppFixture();

  void AddMouse() { mouse = bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory()); }
  // The factory config.bin beside the program, with the given first-run flag.
  void AddConfig(uint8_t first_run_flag = 0);
  // A skin folder under Skins holding the images every page needs; "Dusk" is there from the
  // start and named in str.ini.
  void AddSkin(const std::wstring& name);
  void WriteStrIni(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  // Creates the window and runs its initialisation, then the two non-client paints of showing it.
  void Start(MainWindowOptions options = {});

  bool Visible() { return windows.IsWindowVisible(dialog->window()); }
  void Tray(intptr_t mouse_message) {
    windows.Send(*dialog, kMsgTrayNotify, 1, mouse_message);
    windows.PumpSent();
  }
  // The colour of a canvas pixel as last presented to the window.
  uint32_t PresentedPixel(int x, int y);
  std::vector<std::wstring> DrawnTexts() const;
};

}  // namespace vx::test
