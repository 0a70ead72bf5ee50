#pragma once

#include <optional>
#include <string>

#include "profiles/foreground_port.h"

namespace vx::test {

// The program in front, as a test sets it; none: no foreground window.
class FakeForeground : public ForegroundPort {
 public:
  std::optional<std::wstring> ForegroundProgram() override { return program; }
  std::optional<std::wstring> program;
};

}  // namespace vx::test
