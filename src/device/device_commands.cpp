#include "device/sensor_commands.h"

#include "common/text_format.h"
#include "device/command_codes.h"

namespace vx {

void SensorCommands::ReadSensorBlock() {
  CommandHeader header{kCmdReadSensorBlock};
  transport_.SendCommand(header);
  for (size_t i = 0; i < image_.sensor_block.size(); ++i) image_.sensor_block[i] = header[i + 1];
  const auto& block = image_.sensor_block;
  diagnostics_.Diagnostic(Format("Sensor Type:%02x\n,,Rate:%02x\n,Option1:%02x\n,Option2:%02x\n",
                                 block[kSensorType], block[kSensorRate], block[kSensorOption1],
                                 block[kSensorOption2]));
}

void SensorCommands::WriteSensorBlock() {
  const auto& block = image_.sensor_block;
  CommandHeader header{kCmdWriteSensorBlock, block[0], block[1], block[2], block[3]};
  transport_.SendCommand(header);
}

void SensorCommands::RefreshSensorBlock() {
  ReadSensorBlock();
  link_.sensor_type = image_.sensor_block[kSensorType];
  image_.sensor_block[kSensorOption2] |= kSensorOption2ProgramBit;
  WriteSensorBlock();
}

}  // namespace vx
