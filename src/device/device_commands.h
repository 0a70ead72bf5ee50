#pragma once

#include <cstdint>
#include <functional>

#include "common/diagnostic_port.h"
#include "common/pause_port.h"
#include "device/device_image.h"
#include "device/link_state.h"
#include "device/transport.h"

namespace vx {

inline constexpr uint32_t kCommandPauseMs = 2;

// The mouse's command set as operations on the device image: reads fill it, writes send from it.
class DeviceCommands {
 public:
  DeviceCommands(Transport& transport, DeviceImage& image, LinkState& link, PausePort& pause,
                 DiagnosticPort& diagnostics)
      : transport_(transport),
        image_(image),
        link_(link),
        pause_(pause),
        diagnostics_(diagnostics) {}

  void WriteReportRate(uint8_t code);
  void ReadSensorBlock();
  void WriteSensorBlock();
  void ReadEffect();
  void WriteEffect();
  void ReadLedColourBlocks();
  void WriteLedColourBlocks();
  void ReadConfigBlocks();
  void WriteConfigBlocks();
  void WriteDpiTable();
  void WriteMacroSlots();
  void ReadMacroSlots();
  void WriteKeyMatrices();

  // Reads the sensor block, keeps its sensor type as SensorType, lets the caller act on it (the
  // first-time set-up defaults the DPI stages there), sets bit 6 of option 2 and writes the block
  // back. The rate byte goes back as it was read.
  void RefreshSensorBlock(const std::function<void(uint8_t sensor_type)>& on_sensor_type = {});

 private:
  void Pause() { pause_.Pause(kCommandPauseMs); }

  Transport& transport_;
  DeviceImage& image_;
  LinkState& link_;
  PausePort& pause_;
  DiagnosticPort& diagnostics_;
};

}  // namespace vx
