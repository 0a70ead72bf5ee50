#include "sim/mouse_firmware.h"

#include <gtest/gtest.h>

#include "common/text_format.h"
#include "device/command_codes.h"

namespace vx::sim {
namespace {

FeatureFrame Scrambled(CommandHeader header) {
  FeatureFrame frame = FramePlainReport(header);
  ScrambleReport(std::span<uint8_t, 8>(frame.data() + 1, 8), MakeKeyBlock(kScrambleKey));
  return frame;
}

TEST(MouseFirmware, ThePlainMouseEchoesThePlainProbe) {
  MouseFirmware firmware(ProbeMode::kPlainOnly, DefaultMouseMemory());
  firmware.ReceiveFeature(FramePlainReport({0x00, 0xAA, 0xDD, 0x3B, 0x62}));
  EXPECT_EQ(HexString(firmware.AnswerFeature()->wire), "0000aadd3b620000db");
}

TEST(MouseFirmware, TheScrambledMouseIgnoresPlainFramesAndAnswersScrambledOnes) {
  MouseFirmware firmware(ProbeMode::kScrambled, DefaultMouseMemory());
  firmware.ReceiveFeature(FramePlainReport({0x00, 0xAA, 0xDD, 0x3B, 0x62}));
  EXPECT_EQ(HexString(firmware.AnswerFeature()->wire), "000000000000000000");

  firmware.ReceiveFeature(Scrambled({0x00, 0xAA, 0xDD, 0x3B, 0x62}));
  const auto answer = firmware.AnswerFeature();
  EXPECT_EQ(HexString(answer->plain), "0000aadd3b620000db");
  EXPECT_EQ(answer->wire, Scrambled({0x00, 0xAA, 0xDD, 0x3B, 0x62}));
}

TEST(MouseFirmware, DropsFramesWithABadChecksum) {
  MouseFirmware firmware(ProbeMode::kPlainOnly, DefaultMouseMemory());
  FeatureFrame frame = FramePlainReport({kCmdWriteReportRate, 0x04});
  frame[8] ^= 1;
  firmware.ReceiveFeature(frame);
  EXPECT_EQ(firmware.memory().rate, DefaultMouseMemory().rate);
}

TEST(MouseFirmware, StoresALongWriteOnlyOnceAllItsReportsArrived) {
  MouseFirmware firmware(ProbeMode::kPlainOnly, MouseMemory{});
  firmware.ReceiveFeature(FramePlainReport({kCmdWriteKeyMatrix, 2, 64}));
  VendorReport report{};
  report.fill(0x11);
  report[0] = 0;
  firmware.ReceiveOutputReport(report);
  EXPECT_EQ(firmware.memory().matrix[1][0], 0);
  firmware.ReceiveOutputReport(report);
  EXPECT_EQ(firmware.memory().matrix[1][0], 0x11);
  EXPECT_EQ(firmware.memory().matrix[1][63], 0x11);
}

// An empty output report (a null pointer and no bytes) or one with the report ID alone carries
// no data: the long write goes on with the reports that follow.
TEST(MouseFirmware, AnEmptyOutputReportDuringALongWriteCarriesNothing) {
  MouseFirmware firmware(ProbeMode::kPlainOnly, MouseMemory{});
  firmware.ReceiveFeature(FramePlainReport({kCmdWriteKeyMatrix, 2, 64}));
  VendorReport report{};
  report.fill(0x22);
  report[0] = 0;
  firmware.ReceiveOutputReport(std::span<const uint8_t>());
  const std::vector<uint8_t> empty;
  firmware.ReceiveOutputReport(empty);
  const uint8_t id_only[] = {0};
  firmware.ReceiveOutputReport(id_only);
  firmware.ReceiveOutputReport(report);
  firmware.ReceiveOutputReport(std::span<const uint8_t>());
  EXPECT_EQ(firmware.memory().matrix[1][0], 0) << "half the block is still to come";
  firmware.ReceiveOutputReport(report);
  EXPECT_EQ(firmware.memory().matrix[1][0], 0x22);
  EXPECT_EQ(firmware.memory().matrix[1][63], 0x22);
  // Without a write under way it is ignored as every output report is.
  firmware.ReceiveOutputReport(std::span<const uint8_t>());
  EXPECT_EQ(firmware.memory().matrix[1][0], 0x22);
}

TEST(MouseFirmware, AnswersLengthZeroForABlockOrSlotItDoesNotHave) {
  MouseFirmware firmware(ProbeMode::kPlainOnly, MouseMemory{});
  for (const CommandHeader header :
       {CommandHeader{kCmdReadMacroSlot, 13}, CommandHeader{kCmdReadMacroSlot, 0},
        CommandHeader{kCmdReadConfigBlock, 2}}) {
    firmware.ReceiveFeature(FramePlainReport(header));
    EXPECT_EQ(firmware.AnswerFeature()->plain[3], 0);
    EXPECT_FALSE(firmware.TakeInputReport());
  }
}

}  // namespace
}  // namespace vx::sim
