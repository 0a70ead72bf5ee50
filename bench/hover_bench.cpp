// One hover change of the main window: the OK button restored, Apply drawn hovered, the whole
// canvas copied to the window (a memcpy stands in for the BitBlt); with and without the cache.
#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/system_drawing.h"
#include "ui/canvas.h"
#include "ui/geometry.h"
#include "ui/skin_image.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

constexpr int kWindowWidth = 890;
constexpr int kWindowHeight = 660;
constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 21;
constexpr Point kOk = {562, 623};
constexpr Point kApply = {666, 623};

// A skin folder of its own, removed afterwards.
class SkinFolder {
 public:
  SkinFolder()
      : path_(fs::temp_directory_path() / ("vx-bench-" + std::to_string(std::random_device()()))) {
    fs::create_directories(path_);
  }
  ~SkinFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  SkinFolder(const SkinFolder&) = delete;
  SkinFolder& operator=(const SkinFolder&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A button face with a vertical gradient and rounded, soft corners, compressed as a skin's
// images are.
bool WriteButton(const fs::path& path, uint8_t shade) {
  std::vector<uint8_t> rgba(static_cast<size_t>(kButtonWidth) * kButtonHeight * 4);
  for (int y = 0; y < kButtonHeight; ++y) {
    for (int x = 0; x < kButtonWidth; ++x) {
      const int edge = std::min({x, y, kButtonWidth - 1 - x, kButtonHeight - 1 - y});
      uint8_t* p = &rgba[(static_cast<size_t>(y) * kButtonWidth + x) * 4];
      p[0] = static_cast<uint8_t>(shade + y * 2);
      p[1] = static_cast<uint8_t>(shade / 2 + y);
      p[2] = shade;
      p[3] = static_cast<uint8_t>(edge >= 2 ? 255 : 80 + edge * 80);
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kButtonWidth;
  image.height = kButtonHeight;
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}

void BM_HoverChange(benchmark::State& state) {
  const SkinFolder skin;
  const std::wstring normal = (skin.path() / "button-normal.png").wstring();
  const std::wstring over = (skin.path() / "button-over.png").wstring();
  if (!WriteButton(normal, 60) || !WriteButton(over, 160)) {
    state.SkipWithError("cannot write the button images");
    return;
  }
  const std::unique_ptr<ImagePort> images = CreateSystemImagePort();
  SkinImageDrawer drawer(*images, state.range(0) != 0);
  MemoryCanvas canvas(kWindowWidth, kWindowHeight);
  if (!drawer.DrawSkinImage(&canvas, normal, kOk.x, kOk.y) ||
      !drawer.DrawSkinImage(&canvas, over, kApply.x, kApply.y)) {
    state.SkipWithError("cannot draw the button images");
    return;
  }
  std::vector<uint8_t> window(static_cast<size_t>(kWindowWidth) * kWindowHeight * 4);
  for (auto _ : state) {
    drawer.DrawSkinImage(&canvas, normal, kOk.x, kOk.y);
    drawer.DrawSkinImage(&canvas, over, kApply.x, kApply.y);
    std::memcpy(window.data(), canvas.pixels(), window.size());
    benchmark::DoNotOptimize(window.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HoverChange)->ArgName("cache")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
