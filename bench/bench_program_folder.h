// A program folder on disk for the benchmarks that run the main window, and the system port that
// names the program in it.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "app/system_port.h"

namespace vx::bench {

// A program folder whose "Skins" is the repository's skins folder, removed afterwards.
class ProgramFolder {
 public:
  ProgramFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("vx-bench-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(path_);
    std::filesystem::create_directory_symlink(std::filesystem::path(VX_SOURCE_DIR) / "skins",
                                              path_ / "Skins");
  }
  ~ProgramFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  std::wstring program() const { return (path_ / "Vantorelliax GM.exe").wstring(); }

 private:
  std::filesystem::path path_;
};

class BenchSystem : public SystemPort {
 public:
  explicit BenchSystem(std::wstring module) : module_(std::move(module)) {}
  std::wstring ModulePath() override { return module_; }
  unsigned VersionMajor() override { return 6; }
  unsigned VersionMinor() override { return 2; }
  uint16_t DisplayLanguage() override { return 0x0409; }
  bool CreateInstanceMutex(const std::wstring&) override { return true; }
  std::wstring ErrorText(uint32_t) override { return L""; }
  void ExitProcess(int) override {}

 private:
  std::wstring module_;
};

}  // namespace vx::bench
