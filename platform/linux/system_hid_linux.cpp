#include <iostream>

#include "platform/linux/linux_hid_port.h"
#include "platform/system_hid.h"

namespace vx {

namespace {

// The port with the kernel's calls it runs on.
class KernelHidPort : public LinuxHidPort {
 public:
  explicit KernelHidPort(std::unique_ptr<LinuxSystem> system)
      : LinuxHidPort(*system, HidrawFolders{},
                     [](const std::string& line) { std::cerr << line << "\n"; }),
        system_(std::move(system)) {}

 private:
  std::unique_ptr<LinuxSystem> system_;
};

}  // namespace

std::unique_ptr<HidPort> CreateSystemHidPort() {
  return std::make_unique<KernelHidPort>(CreateLinuxSystem());
}

}  // namespace vx
