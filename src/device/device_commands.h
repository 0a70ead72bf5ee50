#pragma once

#include "common/diagnostic_port.h"
#include "device/device_image.h"
#include "device/link_state.h"
#include "device/transport.h"

namespace vx {

// Reading and writing the sensor block, and the refresh done when a mouse becomes ready.
class SensorCommands {
 public:
  SensorCommands(Transport& transport, DeviceImage& image, LinkState& link,
                 DiagnosticPort& diagnostics)
      : transport_(transport), image_(image), link_(link), diagnostics_(diagnostics) {}

  void ReadSensorBlock();
  void WriteSensorBlock();

  // Reads the block, keeps its sensor type as SensorType, sets bit 6 of option 2 and writes the
  // block back. The rate byte goes back as it was read.
  void RefreshSensorBlock();

 private:
  Transport& transport_;
  DeviceImage& image_;
  LinkState& link_;
  DiagnosticPort& diagnostics_;
};

}  // namespace vx
