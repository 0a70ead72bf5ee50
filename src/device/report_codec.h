#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/protocol_keys.h"

namespace vx {

// Byte 0 is the command (bit 7 set asks for an answer), 1..6 the parameters, 7 the checksum slot.
using CommandHeader = std::array<uint8_t, 8>;

// Byte 0 and 7 are 0, bytes 1..6 hold the scramble key.
using KeyBlock = std::array<uint8_t, 8>;

inline constexpr size_t kFeatureReportSize = 9;
inline constexpr size_t kLongTransferChunk = 32;
inline constexpr uint8_t kReadFlag = 0x80;

// (0xFF - sum of report bytes 1..7) mod 256, so that bytes 1..8 sum to 0xFF.
uint8_t ReportChecksum(std::span<const uint8_t, 7> command_and_parameters);

// Report ID 0, the header's command and parameters, and the checksum over them.
std::array<uint8_t, kFeatureReportSize> FramePlainReport(const CommandHeader& header);

KeyBlock MakeKeyBlock(const ScrambleKeyBytes& key);

// Both transform bytes 1..8 of a feature report (command, six parameters, checksum) in place.
void ScrambleReport(std::span<uint8_t, 8> bytes, const KeyBlock& key,
                    const NibbleTable& table = kNibbleTable);
void UnscrambleReport(std::span<uint8_t, 8> bytes, const KeyBlock& key,
                      const NibbleTable& table = kNibbleTable);

// 32-byte reports needed to carry a transfer of the given length.
size_t LongTransferReportCount(uint8_t length);

}  // namespace vx
