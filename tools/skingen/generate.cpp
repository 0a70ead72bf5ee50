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

}  // namespace

std::string WriteSkins(const std::string& out_dir) {
  for (const Theme& theme : Themes()) {
    const std::string folder = out_dir + "/" + theme.name;
    if (!MakeFolder(folder)) return folder;
    for (const SkinImage& image : BuildSkin(theme)) {
      const std::string path = folder + "/" + image.file_name;
      if (!WritePng(path, image.picture)) return path;
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
