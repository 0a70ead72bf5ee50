#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/pause_port.h"
#include "device/device_commands.h"
#include "device/device_image.h"
#include "device/link_state.h"
#include "settings/settings_record.h"

namespace vx {

// The lighting fields of the record over the effect and LED colour blocks as read from the
// mouse; what the mode does not name stays as read.
void ApplyLighting(const SettingsRecord& record, DeviceImage& image);

// Configuration block 1: the four stage colours, the rest zero. Block 0 stays as read.
void ApplyDpiColours(const SettingsRecord& record, DeviceImage& image);

// Four stages from the DPI indices, bit 7 set on a disabled stage; stages 5..8 off.
void BuildDpiStageTable(const SettingsRecord& record, uint8_t sensor_type, DeviceImage& image);

// How an apply ended: complete, refused before anything was sent (the record holds what the
// mouse must not get), or stopped at the request of the command that failed.
struct ApplyResult {
  std::optional<std::string> refused;
  std::optional<CommandHeader> failed_command;

  bool complete() const { return !refused && !failed_command; }
};

// Sends the whole record to the mouse, re-reading the mouse's own blocks first, then lets the
// caller store the user's choices (config.bin and the key texts).
class FullApply {
 public:
  FullApply(DeviceCommands& commands, DeviceImage& image, LinkState& link, PausePort& pause)
      : commands_(commands), image_(image), link_(link), pause_(pause) {}

  // Stops at the first command that fails and sends nothing more, so nothing that depends on a
  // read that failed reaches the mouse, and the window waits for at most one time-out. The
  // caller's save runs either way: the choices are kept to be sent again. A record that fails
  // the device-data check is neither sent nor saved.
  ApplyResult ApplyAllSettings(const SettingsRecord& record, const std::function<void()>& save);

 private:
  // True when every command went through.
  bool SendAll(const SettingsRecord& record);

  DeviceCommands& commands_;
  DeviceImage& image_;
  LinkState& link_;
  PausePort& pause_;
};

}  // namespace vx
