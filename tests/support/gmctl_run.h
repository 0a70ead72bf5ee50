#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/gmctl/cli.h"

namespace vx::test {

// One gmctl command line run in-process, with what it printed.
struct GmctlRun {
  int code;
  std::string out;
  std::string err;
};

inline GmctlRun Gmctl(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = gmctl::RunCommandLine(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace vx::test
