#include "app/command_line.h"

namespace vx {

CommandLineOptions ParseCommandLine(const std::vector<std::wstring>& args) {
  static constexpr std::wstring_view kVirtualMouse = L"--virtual-mouse";
  static constexpr std::wstring_view kVirtualMouseFault = L"--virtual-mouse-fault=";
  CommandLineOptions options;
  for (const std::wstring& arg : args) {
    if (arg == L"--show") {
      options.show = true;
    } else if (arg == kVirtualMouse) {
      options.virtual_mouse = true;
    } else if (arg.rfind(std::wstring(kVirtualMouse) + L"=", 0) == 0) {
      options.virtual_mouse = true;
      const std::wstring file = arg.substr(kVirtualMouse.size() + 1);
      if (!file.empty()) options.virtual_mouse_file = file;
    } else if (arg.rfind(kVirtualMouseFault, 0) == 0) {
      options.virtual_mouse_fault = arg.substr(kVirtualMouseFault.size());
    }
  }
  return options;
}

}  // namespace vx
