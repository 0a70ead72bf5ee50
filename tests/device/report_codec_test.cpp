#include "device/report_codec.h"

#include <gtest/gtest.h>

#include <random>

#include "common/text_format.h"

namespace vx {
namespace {

TEST(ReportChecksum, FramesAsTheTableSays) {
  struct Vector {
    CommandHeader header;
    const char* report;
  };
  const Vector vectors[] = {
      // The probe: 0xAA + 0xDD + 0x3B + 0x62 = 0x224, 0xFF - 0x24 = 0xDB.
      {{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0x00}, "0000aadd3b620000db"},
      // Only a command: 0xFF - command.
      {{0x83, 0, 0, 0, 0, 0, 0, 0}, "00830000000000007c"},
      {{0x01, 0, 0, 0, 0, 0, 0, 0}, "0001000000000000fe"},
      // 0xFF + 0xFF = 0x1FE wraps to 0xFE, 0xFF - 0xFE = 0x01.
      {{0xFF, 0xFF, 0, 0, 0, 0, 0, 0}, "00ffff000000000001"},
      // All seven bytes 0xFF: 7 * 0xFF = 0x6F9, 0xFF - 0xF9 = 0x06.
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, "00ffffffffffffff06"},
      // The caller's checksum slot is always overwritten.
      {{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0x55}, "0000aadd3b620000db"},
  };
  for (const Vector& v : vectors) {
    EXPECT_EQ(HexString(FramePlainReport(v.header)), v.report);
  }
}

struct ScrambleVector {
  ScrambleKeyBytes key;
  NibbleTable table;
  std::array<uint8_t, 8> plain;
  const char* scrambled;
};

// Worked out step by step: exchange pairs, XOR d1..d6, rotate left 3, add swapped table bytes.
const ScrambleVector kScrambleVectors[] = {
    // d0 <-> d5 puts 01 at d5; rotated left 3 it becomes 08.
    {{}, {}, {0x01, 0, 0, 0, 0, 0, 0, 0}, "0000000000080000"},
    // After exchange: 00 00 00 00 00 80 00 00; XOR 01..06: 00 01 02 03 04 85 06 00;
    // rotate: 00 08 10 18 24 28 30 00; add 01..08 (the nibble-swapped 10..80).
    {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06},
     {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80},
     {0x80, 0, 0, 0, 0, 0, 0, 0},
     "010a131c292e3708"},
    // e0 moves to d0; its top three bits rotate round into d7 (07); adding ff wraps to 06.
    {{},
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
     {0, 0, 0, 0, 0, 0xE0, 0, 0},
     "ffffffffffffff06"},
};

TEST(ScrambleReport, MatchesWorkedVectors) {
  for (const ScrambleVector& v : kScrambleVectors) {
    auto bytes = v.plain;
    ScrambleReport(bytes, MakeKeyBlock(v.key), v.table);
    EXPECT_EQ(HexString(bytes), v.scrambled);
    UnscrambleReport(bytes, MakeKeyBlock(v.key), v.table);
    EXPECT_EQ(bytes, v.plain);
  }
}

TEST(ScrambleReport, UnscrambleUndoesItForRandomInputsKeysAndTables) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 20000; ++round) {
    ScrambleKeyBytes key;
    NibbleTable table;
    std::array<uint8_t, 8> plain;
    for (auto& b : key) b = static_cast<uint8_t>(byte(random));
    for (auto& b : table) b = static_cast<uint8_t>(byte(random));
    for (auto& b : plain) b = static_cast<uint8_t>(byte(random));
    auto bytes = plain;
    ScrambleReport(bytes, MakeKeyBlock(key), table);
    UnscrambleReport(bytes, MakeKeyBlock(key), table);
    ASSERT_EQ(bytes, plain) << "round " << round;
  }
}

TEST(ScrambleReport, KeyBlockHoldsTheKeyInBytesOneToSix) {
  EXPECT_EQ(HexString(MakeKeyBlock({1, 2, 3, 4, 5, 6})), "0001020304050600");
}

TEST(LongTransferReportCount, RoundsUpToWholeReports) {
  const std::pair<uint8_t, size_t> counts[] = {{0, 0},  {1, 1},  {24, 1},  {32, 1},  {33, 2},
                                               {64, 2}, {65, 3}, {128, 4}, {129, 5}, {255, 8}};
  for (const auto& [length, reports] : counts) {
    EXPECT_EQ(LongTransferReportCount(length), reports) << int(length);
  }
}

}  // namespace
}  // namespace vx
