#include "app/app_fixture.h"

#include <cstring>

#include "settings/config_file.h"

namespace vx::test {

FakeImages::FakeImages() {
  const std::pair<const wchar_t*, std::pair<int, int>> images[] = {
      {L"/main.png", {890, 660}},
      {L"/BasicSet2.png", {890, 660}},
      {L"/AdvancedSet2.png", {890, 660}},
      {L"/button-normal.png", {105, 21}},
      {L"/button-over.png", {105, 21}},
      {L"/button-close-normal.png", {18, 18}},
      {L"/button-close-over.png", {18, 18}},
      {L"/button-min-normal.png", {18, 18}},
      {L"/button-min-over.png", {18, 18}},
      {L"/button-Skins-normal.png", {18, 18}},
      {L"/button-Skins-over.png", {18, 18}},
      {L"/button-PrePage-normal.png", {40, 40}},
      {L"/button-PrePage-over.png", {40, 40}},
      {L"/button-NextPage-normal.png", {40, 40}},
      {L"/button-NextPage-over.png", {40, 40}},
      {L"/DropdownBox-normal.png", {211, 21}},
      {L"/DropdownBox-over.png", {211, 21}},
  };
  for (const auto& [name, size] : images) sizes_[name] = size;
}

uint32_t FakeImages::ColourOf(const std::wstring& name) {
  uint32_t hash = 2166136261u;
  for (wchar_t c : name) hash = (hash ^ static_cast<uint32_t>(c)) * 16777619u;
  return hash & 0x00FFFFFF;
}

std::optional<DecodedImage> FakeImages::Decode(const std::wstring& path) {
  if (path.rfind(kSkinDir, 0) != 0) return std::nullopt;
  const std::wstring name = path.substr(std::wcslen(kSkinDir));
  const auto found = sizes_.find(name);
  if (found == sizes_.end()) return std::nullopt;
  DecodedImage image;
  image.width = found->second.first;
  image.height = found->second.second;
  image.has_alpha = true;
  image.pixels.resize(static_cast<size_t>(image.width * image.height) * 4);
  const uint32_t colour = ColourOf(name) | 0xFF000000u;
  for (size_t i = 0; i < image.pixels.size(); i += 4) std::memcpy(&image.pixels[i], &colour, 4);
  return image;
}

std::optional<FileStamp> FakeImages::Stamp(const std::wstring& path) {
  if (!Decode(path)) return std::nullopt;
  return FileStamp{1, 1};
}

AppFixture::AppFixture() {
  WriteStrIni(L"Skins", L"Path", L"Dusk");
  WriteStrIni(L"Skins", L"RColor", L"0");
  WriteStrIni(L"Skins", L"GColor", L"230");
  WriteStrIni(L"Skins", L"BColor", L"118");
}

AppFixture::~AppFixture() {
  dialog.reset();
  windows.PumpSent();
}

void AppFixture::AddConfig(uint8_t first_run_flag) {
  std::vector<uint8_t> bytes(kConfigFileSize, 0);
  bytes[0] = first_run_flag;
  files.files[kConfigPath] = bytes;
}

void AppFixture::WriteStrIni(const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) {
  profile.WriteString(kStrIniPath, section, key, value);
}

void AppFixture::Start(MainWindowOptions options) {
  dialog = std::make_unique<CHidMouseDlg>(
      AppPorts{windows, bus, files, profile, pause, images, system}, options);
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
