#include <iostream>
#include <string>
#include <vector>

#include "tools/gmctl/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return vx::gmctl::RunCommandLine(args, std::cout, std::cerr);
}
