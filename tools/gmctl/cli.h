#pragma once

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace vx::gmctl {

using Args = std::span<const std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

// One line on the error stream, then the usage exit code.
int UsageError(std::ostream& err, const std::string& message);

// Runs one gmctl command line (without the program name).
int RunCommandLine(Args args, std::ostream& out, std::ostream& err);

}  // namespace vx::gmctl
