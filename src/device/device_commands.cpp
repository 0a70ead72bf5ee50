#include "device/device_commands.h"

#include <algorithm>
#include <array>

#include "common/text_format.h"
#include "device/command_codes.h"
#include "device/key_codes.h"

namespace vx {

namespace {

struct CommandDescription {
  uint8_t code;
  const char* name;
  bool names_target;  // parameter 1 is the set, block, matrix or slot
};

constexpr CommandDescription kDescriptions[] = {
    {kCmdProbe, "probe", false},
    {kCmdWriteReportRate, "write report rate", false},
    {kCmdWriteSensorBlock, "write sensor block", false},
    {kCmdReadSensorBlock, "read sensor block", false},
    {kCmdWriteLedColours, "write LED colour set", true},
    {kCmdReadLedColours, "read LED colour set", true},
    {kCmdWriteEffect, "write effect", false},
    {kCmdReadEffect, "read effect", false},
    {kCmdWriteConfigBlock, "write configuration block", true},
    {kCmdReadConfigBlock, "read configuration block", true},
    {kCmdWriteDpiTable, "write DPI stage table", false},
    {kCmdWriteKeyMatrix, "write key matrix", true},
    {kCmdWriteMacroSlot, "write macro slot", true},
    {kCmdReadMacroSlot, "read macro slot", true},
};

}  // namespace

std::string DescribeCommand(const CommandHeader& request) {
  for (const CommandDescription& description : kDescriptions) {
    if (description.code != request[0]) continue;
    if (!description.names_target) return Format("0x%02x %s", request[0], description.name);
    return Format("0x%02x %s %u", request[0], description.name, unsigned{request[1]});
  }
  return Format("0x%02x", request[0]);
}

bool DeviceCommands::Failed(const CommandHeader& request) {
  failed_command_ = request;
  return false;
}

bool DeviceCommands::Send(CommandHeader& header) {
  const CommandHeader request = header;
  return transport_.SendCommand(header) || Failed(request);
}

bool DeviceCommands::Transfer(CommandHeader& header, std::span<uint8_t> data,
                              AnsweredLength rule) {
  const CommandHeader request = header;
  return transport_.TransferBlock(header, data, rule) || Failed(request);
}

bool DeviceCommands::WriteReportRate(uint8_t code) {
  CommandHeader header{kCmdWriteReportRate, code};
  if (!Send(header)) return false;
  Pause();
  return true;
}

bool DeviceCommands::ReadSensorBlock() {
  CommandHeader header{kCmdReadSensorBlock};
  if (!Send(header)) return false;
  auto& block = image_.sensor_block;
  std::copy_n(header.begin() + 1, block.size(), block.begin());
  diagnostics_.Diagnostic(Format("Sensor Type:%02x\n,,Rate:%02x\n,Option1:%02x\n,Option2:%02x\n",
                                 block[kSensorType], block[kSensorRate], block[kSensorOption1],
                                 block[kSensorOption2]));
  return true;
}

bool DeviceCommands::WriteSensorBlock() {
  const auto& block = image_.sensor_block;
  CommandHeader header{kCmdWriteSensorBlock, block[0], block[1], block[2], block[3]};
  return Send(header);
}

bool DeviceCommands::RefreshSensorBlock(
    const std::function<void(uint8_t sensor_type)>& on_sensor_type) {
  const bool read = ReadSensorBlock();
  if (read) link_.sensor_type = image_.sensor_block[kSensorType];
  if (on_sensor_type) on_sensor_type(link_.sensor_type);
  if (!read) return false;
  image_.sensor_block[kSensorOption2] |= kSensorOption2ProgramBit;
  return WriteSensorBlock();
}

bool DeviceCommands::ReadEffect() {
  CommandHeader header{kCmdReadEffect};
  if (!Send(header)) return false;
  auto& effect = image_.effect_block;
  std::copy_n(header.begin() + 1, effect.size(), effect.begin());
  diagnostics_.Diagnostic(
      Format("Effect:%02x\n,Option1:%02x\n,Option2:%02x\n", effect[0], effect[1], effect[2]));
  return true;
}

bool DeviceCommands::WriteEffect() {
  const auto& effect = image_.effect_block;
  CommandHeader header{kCmdWriteEffect, effect[0], effect[1], effect[2]};
  return Send(header);
}

bool DeviceCommands::ReadLedColourBlocks() {
  // One header serves both requests: the one for set 1 still carries the set-0 answer's bytes.
  CommandHeader header{kCmdReadLedColours, 0};
  for (uint8_t set = 0; set < 2; ++set) {
    header[0] = kCmdReadLedColours;
    header[1] = set;
    const CommandHeader request = header;
    if (!Send(header)) return false;
    if (header[1] != set) return Failed(request);
    std::copy_n(header.begin() + 2, 3, image_.led_colour_blocks[set].begin());
    Pause();
  }
  return true;
}

bool DeviceCommands::WriteLedColourBlocks() {
  for (uint8_t set = 0; set < 2; ++set) {
    const auto& colours = image_.led_colour_blocks[set];
    CommandHeader header{kCmdWriteLedColours, set, colours[0], colours[1], colours[2]};
    if (!Send(header)) return false;
    Pause();
  }
  return true;
}

bool DeviceCommands::ReadConfigBlocks() {
  for (uint8_t block = 0; block < 2; ++block) {
    // The read asks for exactly one block's length and lands in a buffer of its own, so the
    // image changes only with a whole good answer.
    std::array<uint8_t, kConfigBlockSize> data{};
    CommandHeader header{kCmdReadConfigBlock, block};
    const CommandHeader request = header;
    if (!Transfer(header, data)) return false;
    if (header[1] != block) return Failed(request);
    image_.config_blocks[block] = data;
    Pause();
  }
  return true;
}

bool DeviceCommands::WriteConfigBlocks() {
  for (uint8_t block = 0; block < 2; ++block) {
    CommandHeader header{kCmdWriteConfigBlock, block, kConfigBlockSize};
    if (!Transfer(header, image_.config_blocks[block])) return false;
    Pause();
  }
  return true;
}

bool DeviceCommands::WriteDpiTable() {
  CommandHeader header{kCmdWriteDpiTable, image_.dpi_stage_count, kDpiStageTableSize};
  return Transfer(header, image_.dpi_stage_table);
}

bool DeviceCommands::WriteMacroSlots() {
  for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
    CommandHeader header{kCmdWriteMacroSlot, slot, kMacroSlotSize};
    if (!Transfer(header, image_.macro_slots[slot - 1])) return false;
    Pause();
  }
  return true;
}

bool DeviceCommands::ReadMacroSlots() {
  for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
    // The answered length of bytes replaces the front of the slot; a mouse may answer only
    // part of it, and the slot is not written back after its read.
    std::array<uint8_t, kMacroSlotSize> data = image_.macro_slots[slot - 1];
    CommandHeader header{kCmdReadMacroSlot, slot};
    const CommandHeader request = header;
    if (!Transfer(header, data, AnsweredLength::kAtMost)) return false;
    if (header[1] != slot) return Failed(request);
    image_.macro_slots[slot - 1] = data;
    Pause();
  }
  return true;
}

bool DeviceCommands::WriteKeyMatrices() {
  for (uint8_t matrix = 1; matrix <= kKeyMatrixCount; ++matrix) {
    const auto& codes = image_.key_matrices[matrix - 1];
    std::array<uint8_t, kKeyMatrixSlots * 4> data{};
    for (size_t slot = 0; slot < codes.size(); ++slot) {
      const auto bytes = KeyCodeBytes(codes[slot]);
      std::copy(bytes.begin(), bytes.end(), data.begin() + slot * 4);
    }
    CommandHeader header{kCmdWriteKeyMatrix, matrix, static_cast<uint8_t>(data.size())};
    if (!Transfer(header, data)) return false;
    std::string dump = Format("Write KeyMatrix[%d]:\n", matrix);
    for (size_t slot = 0; slot < codes.size(); ++slot) {
      dump += Format(slot == 0 ? "%08x\n" : " %08x\n", static_cast<unsigned>(codes[slot]));
    }
    diagnostics_.Diagnostic(dump);
    Pause();
  }
  return true;
}

}  // namespace vx
