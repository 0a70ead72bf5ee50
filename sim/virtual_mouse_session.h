#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/file_port.h"
#include "sim/virtual_hid_bus.h"
#include "sim/wire_trace.h"

namespace vx::sim {

// One virtual mouse on its own bus, for the program's --virtual-mouse: its memory comes from a
// state file when there is one and goes back to it after every change. A file that cannot be
// used is left as it is, and the mouse starts from its factory state.
class VirtualMouseSession {
 public:
  VirtualMouseSession(FilePort& files, std::optional<std::wstring> state_file);

  HidPort& hid() { return bus_; }
  VirtualHidBus& bus() { return bus_; }
  int mouse() const { return mouse_; }
  // Why the state file could not be used, when it could not.
  const std::string& load_error() const { return load_error_; }
  // Makes the mouse show the named fault once its handshake is through (see BusFaultsNamed);
  // false, and no fault, for a name the bus does not know.
  bool InjectFault(std::wstring_view kind);

 private:
  MouseMemory InitialMemory();
  void Save();

  FilePort& files_;
  std::optional<std::wstring> state_file_;
  WireTrace trace_{false};
  VirtualHidBus bus_{trace_};
  std::string load_error_;
  int mouse_ = -1;
};

}  // namespace vx::sim
