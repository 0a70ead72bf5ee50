#pragma once

#include <optional>
#include <string>

namespace vx {

// The program in front: the file name of the process image that owns the foreground window,
// such as L"notepad.exe"; nullopt when there is no foreground window or it cannot be named.
class ForegroundPort {
 public:
  virtual ~ForegroundPort() = default;
  virtual std::optional<std::wstring> ForegroundProgram() = 0;
};

}  // namespace vx
