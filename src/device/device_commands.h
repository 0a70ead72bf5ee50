#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/diagnostic_port.h"
#include "common/pause_port.h"
#include "device/device_image.h"
#include "device/link_state.h"
#include "device/transport.h"

namespace vx {

inline constexpr uint32_t kCommandPauseMs = 2;

// The command as a person reads it, from its request header: "0x90 read configuration block 1".
std::string DescribeCommand(const CommandHeader& request);

// The mouse's command set as operations on the device image: reads fill it, writes send from it.
// Each operation returns false at the first of its commands that fails, and sends no more: a
// write the mouse did not take, a read that did not come or does not echo its command, a long
// read of another length (a macro slot's may be shorter), or an answer naming another LED set,
// configuration block or macro slot than asked for. A read command that fails changes nothing in the image (the reads before it in
// the same operation keep what they read). failed_command() keeps the request of the last command
// that failed.
class DeviceCommands {
 public:
  DeviceCommands(Transport& transport, DeviceImage& image, LinkState& link, PausePort& pause,
                 DiagnosticPort& diagnostics)
      : transport_(transport),
        image_(image),
        link_(link),
        pause_(pause),
        diagnostics_(diagnostics) {}

  bool WriteReportRate(uint8_t code);
  bool ReadSensorBlock();
  bool WriteSensorBlock();
  bool ReadEffect();
  bool WriteEffect();
  bool ReadLedColourBlocks();
  bool WriteLedColourBlocks();
  bool ReadConfigBlocks();
  bool WriteConfigBlocks();
  bool WriteDpiTable();
  bool WriteMacroSlots();
  bool ReadMacroSlots();
  bool WriteKeyMatrices();

  // Reads the sensor block, keeps its sensor type as SensorType, lets the caller act on it (the
  // first-time set-up defaults the DPI stages there), sets bit 6 of option 2 and writes the block
  // back. The rate byte goes back as it was read. When the read fails, SensorType stays as it was
  // (the caller still hears it) and nothing is written back.
  bool RefreshSensorBlock(const std::function<void(uint8_t sensor_type)>& on_sensor_type = {});

  const std::optional<CommandHeader>& failed_command() const { return failed_command_; }

 private:
  void Pause() { pause_.Pause(kCommandPauseMs); }
  // Both keep the request of a command that fails.
  bool Send(CommandHeader& header);
  bool Transfer(CommandHeader& header, std::span<uint8_t> data,
                AnsweredLength rule = AnsweredLength::kExact);
  // Keeps the request as the failed command; always false.
  bool Failed(const CommandHeader& request);

  Transport& transport_;
  DeviceImage& image_;
  LinkState& link_;
  PausePort& pause_;
  DiagnosticPort& diagnostics_;
  std::optional<CommandHeader> failed_command_;
};

}  // namespace vx
