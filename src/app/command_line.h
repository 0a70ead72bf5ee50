#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx {

// Options for trying the program without the hardware and for tests; without them the program
// behaves as it always does.
struct CommandLineOptions {
  bool virtual_mouse = false;
  // With a file the virtual mouse's memory is loaded from it at start and written back after
  // every change.
  std::optional<std::wstring> virtual_mouse_file;
  // A fault the virtual mouse starts after its handshake, by name ("no-answer", ...); only with
  // the virtual mouse.
  std::optional<std::wstring> virtual_mouse_fault;
  bool show = false;
};

// The arguments after the program name; unknown ones are ignored.
CommandLineOptions ParseCommandLine(const std::vector<std::wstring>& args);

}  // namespace vx
