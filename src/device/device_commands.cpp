#include "device/device_commands.h"

#include <algorithm>
#include <array>

#include "common/text_format.h"
#include "device/command_codes.h"
#include "device/key_codes.h"

namespace vx {

namespace {

// Long reads land in a buffer of their own and only the answered part that fits is kept.
constexpr size_t kLongReadBuffer = 128;

}  // namespace

void DeviceCommands::WriteReportRate(uint8_t code) {
  CommandHeader header{kCmdWriteReportRate, code};
  transport_.SendCommand(header);
  Pause();
}

void DeviceCommands::ReadSensorBlock() {
  CommandHeader header{kCmdReadSensorBlock};
  transport_.SendCommand(header);
  auto& block = image_.sensor_block;
  std::copy_n(header.begin() + 1, block.size(), block.begin());
  diagnostics_.Diagnostic(Format("Sensor Type:%02x\n,,Rate:%02x\n,Option1:%02x\n,Option2:%02x\n",
                                 block[kSensorType], block[kSensorRate], block[kSensorOption1],
                                 block[kSensorOption2]));
}

void DeviceCommands::WriteSensorBlock() {
  const auto& block = image_.sensor_block;
  CommandHeader header{kCmdWriteSensorBlock, block[0], block[1], block[2], block[3]};
  transport_.SendCommand(header);
}

void DeviceCommands::RefreshSensorBlock(
    const std::function<void(uint8_t sensor_type)>& on_sensor_type) {
  ReadSensorBlock();
  link_.sensor_type = image_.sensor_block[kSensorType];
  if (on_sensor_type) on_sensor_type(link_.sensor_type);
  image_.sensor_block[kSensorOption2] |= kSensorOption2ProgramBit;
  WriteSensorBlock();
}

void DeviceCommands::ReadEffect() {
  CommandHeader header{kCmdReadEffect};
  transport_.SendCommand(header);
  auto& effect = image_.effect_block;
  std::copy_n(header.begin() + 1, effect.size(), effect.begin());
  diagnostics_.Diagnostic(
      Format("Effect:%02x\n,Option1:%02x\n,Option2:%02x\n", effect[0], effect[1], effect[2]));
}

void DeviceCommands::WriteEffect() {
  const auto& effect = image_.effect_block;
  CommandHeader header{kCmdWriteEffect, effect[0], effect[1], effect[2]};
  transport_.SendCommand(header);
}

void DeviceCommands::ReadLedColourBlocks() {
  // One header serves both requests: the one for set 1 still carries the set-0 answer's bytes.
  CommandHeader header{kCmdReadLedColours, 0};
  for (uint8_t set = 0; set < 2; ++set) {
    header[0] = kCmdReadLedColours;
    header[1] = set;
    transport_.SendCommand(header);
    const uint8_t answered_set = header[1];
    if (answered_set <= 1) {
      std::copy_n(header.begin() + 2, 3, image_.led_colour_blocks[answered_set].begin());
    }
    Pause();
  }
}

void DeviceCommands::WriteLedColourBlocks() {
  for (uint8_t set = 0; set < 2; ++set) {
    const auto& colours = image_.led_colour_blocks[set];
    CommandHeader header{kCmdWriteLedColours, set, colours[0], colours[1], colours[2]};
    transport_.SendCommand(header);
    Pause();
  }
}

void DeviceCommands::ReadConfigBlocks() {
  for (uint8_t block = 0; block < 2; ++block) {
    std::array<uint8_t, kLongReadBuffer> data{};
    CommandHeader header{kCmdReadConfigBlock, block};
    transport_.TransferBlock(header, data);
    const uint8_t answered_block = header[1];
    if (answered_block <= 1) {
      auto& target = image_.config_blocks[answered_block];
      std::copy_n(data.begin(), std::min<size_t>(header[2], target.size()), target.begin());
    }
    Pause();
  }
}

void DeviceCommands::WriteConfigBlocks() {
  for (uint8_t block = 0; block < 2; ++block) {
    CommandHeader header{kCmdWriteConfigBlock, block, kConfigBlockSize};
    transport_.TransferBlock(header, image_.config_blocks[block]);
    Pause();
  }
}

void DeviceCommands::WriteDpiTable() {
  CommandHeader header{kCmdWriteDpiTable, image_.dpi_stage_count, kDpiStageTableSize};
  transport_.TransferBlock(header, image_.dpi_stage_table);
}

void DeviceCommands::WriteMacroSlots() {
  for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
    CommandHeader header{kCmdWriteMacroSlot, slot, kMacroSlotSize};
    transport_.TransferBlock(header, image_.macro_slots[slot - 1]);
    Pause();
  }
}

void DeviceCommands::ReadMacroSlots() {
  for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
    std::array<uint8_t, kLongReadBuffer> data{};
    CommandHeader header{kCmdReadMacroSlot, slot};
    transport_.TransferBlock(header, data);
    // The answer names the slot; one outside 1..12 has no place in the image.
    const uint8_t answered_slot = header[1];
    if (answered_slot >= 1 && answered_slot <= kMacroSlotCount) {
      auto& target = image_.macro_slots[answered_slot - 1];
      std::copy_n(data.begin(), std::min<size_t>(header[2], target.size()), target.begin());
    }
    Pause();
  }
}

void DeviceCommands::WriteKeyMatrices() {
  for (uint8_t matrix = 1; matrix <= kKeyMatrixCount; ++matrix) {
    const auto& codes = image_.key_matrices[matrix - 1];
    std::array<uint8_t, kKeyMatrixSlots * 4> data{};
    for (size_t slot = 0; slot < codes.size(); ++slot) {
      const auto bytes = KeyCodeBytes(codes[slot]);
      std::copy(bytes.begin(), bytes.end(), data.begin() + slot * 4);
    }
    CommandHeader header{kCmdWriteKeyMatrix, matrix, static_cast<uint8_t>(data.size())};
    transport_.TransferBlock(header, data);
    std::string dump = Format("Write KeyMatrix[%d]:\n", matrix);
    for (size_t slot = 0; slot < codes.size(); ++slot) {
      dump += Format(slot == 0 ? "%08x\n" : " %08x\n", static_cast<unsigned>(codes[slot]));
    }
    diagnostics_.Diagnostic(dump);
    Pause();
  }
}

}  // namespace vx
