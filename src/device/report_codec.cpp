#include "device/report_codec.h"

#include <utility>

namespace vx {

uint8_t ReportChecksum(std::span<const uint8_t, 7> command_and_parameters) {
  unsigned sum = 0;
  for (uint8_t byte : command_and_parameters) sum += byte;
  return static_cast<uint8_t>(0xFF - sum);
}

std::array<uint8_t, kFeatureReportSize> FramePlainReport(const CommandHeader& header) {
  std::array<uint8_t, kFeatureReportSize> report{};
  for (size_t i = 0; i < 7; ++i) report[i + 1] = header[i];
  report[8] = ReportChecksum(std::span<const uint8_t, 7>(report.data() + 1, 7));
  return report;
}

KeyBlock MakeKeyBlock(const ScrambleKeyBytes& key) {
  KeyBlock block{};
  for (size_t i = 0; i < key.size(); ++i) block[i + 1] = key[i];
  return block;
}

namespace {

uint8_t SwapNibbles(uint8_t x) {
  return static_cast<uint8_t>((x << 4) | (x >> 4));
}

void ExchangePairs(std::span<uint8_t, 8> d) {
  std::swap(d[0], d[5]);
  std::swap(d[1], d[4]);
  std::swap(d[2], d[7]);
  std::swap(d[3], d[6]);
}

void XorWithKey(std::span<uint8_t, 8> d, const KeyBlock& key) {
  for (size_t i = 1; i <= 6; ++i) d[i] ^= key[i];
}

}  // namespace

void ScrambleReport(std::span<uint8_t, 8> d, const KeyBlock& key, const NibbleTable& table) {
  ExchangePairs(d);
  XorWithKey(d, key);
  const std::array<uint8_t, 8> before{d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]};
  for (size_t i = 0; i < 8; ++i) {
    d[i] = static_cast<uint8_t>((before[i] << 3) | (before[(i + 1) % 8] >> 5));
  }
  for (size_t i = 0; i < 8; ++i) d[i] = static_cast<uint8_t>(d[i] + SwapNibbles(table[i]));
}

void UnscrambleReport(std::span<uint8_t, 8> d, const KeyBlock& key, const NibbleTable& table) {
  for (size_t i = 0; i < 8; ++i) d[i] = static_cast<uint8_t>(d[i] - SwapNibbles(table[i]));
  const std::array<uint8_t, 8> before{d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]};
  for (size_t i = 0; i < 8; ++i) {
    d[i] = static_cast<uint8_t>((before[i] >> 3) | (before[(i + 7) % 8] << 5));
  }
  XorWithKey(d, key);
  ExchangePairs(d);
}

size_t LongTransferReportCount(uint8_t length) {
  return (static_cast<size_t>(length) + kLongTransferChunk - 1) / kLongTransferChunk;
}

}  // namespace vx
