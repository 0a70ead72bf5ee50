#include "app/app_fixture.h"

#include <cstring>

#include "settings/config_file.h"
#include "settings/factory_settings.h"

namespace vx::test {

AppFixture::AppFixture() {
  AddSkin(L"Dusk");
  WriteStrIni(L"Skins", L"Path", L"Dusk");
  WriteStrIni(L"Skins", L"RColor", L"0");
  WriteStrIni(L"Skins", L"GColor", L"230");
  WriteStrIni(L"Skins", L"BColor", L"118");
}

// As at the end of the program's modal run, the window goes first: that lets go of a reader
// thread waiting in a notification to it, so the reader can be stopped.
AppFixture::~AppFixture() {
  if (dialog && windows.Exists(dialog->window())) windows.DestroyWindow(dialog->window());
  dialog.reset();
  windows.PumpSent();
}

void AppFixture::AddConfig(uint8_t first_run_flag) {
  const auto factory = FactoryConfigFile();
  std::vector<uint8_t> bytes(factory.begin(), factory.end());
  bytes[0] = first_run_flag;
  files.files[kConfigPath] = bytes;
}

void AppFixture::AddSkin(const std::wstring& name) {
  files.folders[kSkinsRoot].push_back(name);
  for (const wchar_t* image : {L"/main.png", L"/BasicSet2.png", L"/AdvancedSet2.png"}) {
    files.files[kSkinsRoot + (L"/" + name) + image] = {};
  }
}

void AppFixture::WriteStrIni(const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) {
  profile.WriteString(kStrIniPath, section, key, value);
}

void AppFixture::Start(MainWindowOptions options) {
  dialog = std::make_unique<CHidMouseDlg>(
      AppPorts{windows, bus, files, profile, pause, images, system, pointer, windows.clock(),
               foreground, logon_task},
      options);
  windows.Open(*dialog);
  windows.PumpSent();
  windows.Send(*dialog, kMsgNcPaint);
  windows.Send(*dialog, kMsgNcPaint);
}

uint32_t AppFixture::PresentedPixel(int x, int y) {
  const MemoryCanvas* canvas = windows.Presented(dialog->window());
  if (canvas == nullptr) return 0;
  uint32_t pixel;
  std::memcpy(&pixel, canvas->pixels() + (static_cast<size_t>(y) * canvas->width() + x) * 4, 4);
  return pixel & 0x00FFFFFF;
}

std::vector<std::wstring> AppFixture::DrawnTexts() const {
  std::vector<std::wstring> texts;
  for (const auto& draw : windows.text.draws) texts.push_back(draw.text);
  return texts;
}

}  // namespace vx::test
