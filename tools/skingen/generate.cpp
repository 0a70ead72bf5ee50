#include "tools/skingen/generate.h"

#include <filesystem>
#include <system_error>

#include "tools/skingen/png_file.h"
#include "tools/skingen/preview.h"
#include "tools/skingen/skin.h"

namespace vx::skingen {
namespace {

bool MakeFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return !error;
}

// "name.png" at 1x, "name@2x.png" at 2x.
std::string FileNameAt(const std::string& file_name, int scale) {
  if (scale == 1) return file_name;
  const size_t dot = file_name.rfind('.');
  return file_name.substr(0, dot) + "@" + std::to_string(scale) + "x" + file_name.substr(dot);
}

}  // namespace

std::string WriteSkins(const std::string& out_dir) {
  for (const Theme& theme : Themes()) {
    const std::string folder = out_dir + "/" + theme.name;
    if (!MakeFolder(folder)) return folder;
    for (const int scale : {1, 2}) {
      const DrawingScale drawing(scale);
      for (const SkinImage& image : BuildSkin(theme)) {
        const std::string path = folder + "/" + FileNameAt(image.file_name, scale);
        if (!WritePng(path, image.picture)) return path;
      }
    }
  }
  return {};
}

std::string WritePreviews(const std::string& out_dir) {
  if (!MakeFolder(out_dir)) return out_dir;
  for (const Theme& theme : Themes()) {
    const std::vector<SkinImage> skin = BuildSkin(theme);
    for (const PreviewView& view : Previews(skin)) {
      const std::string path = out_dir + "/" + theme.name + "-" + view.name + ".png";
      if (!WritePng(path, view.picture)) return path;
    }
  }
  return {};
}

}  // namespace vx::skingen
