#pragma once

#include <string>

namespace vx {

// Diagnostic lines that the program formats but never shows to the user.
class DiagnosticPort {
 public:
  virtual ~DiagnosticPort() = default;
  virtual void Diagnostic(const std::string& line) = 0;
};

}  // namespace vx
