#include "device/transport.h"

#include <gtest/gtest.h>

#include <numeric>

#include "common/text_format.h"
#include "device/command_codes.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

using test::LinkFixture;

// A ready, scrambled link to one virtual mouse, with the handshake cleared from the trace.
class TransportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mouse_ = f_.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
    ASSERT_TRUE(f_.device.OpenDevice());
    f_.device.Handshake();
    ASSERT_TRUE(f_.link.DeviceReady());
    f_.trace.Clear();
  }

  LinkFixture f_;
  int mouse_ = 0;
};

TEST_F(TransportTest, ScramblesTheFrameWhoseChecksumIsTakenOverThePlainBytes) {
  CommandHeader header{kCmdWriteReportRate, 0x08};
  EXPECT_TRUE(f_.device.transport().SendCommand(header));
  const auto lines = f_.LinesStartingWith("set-feature");
  ASSERT_EQ(lines.size(), 1u);
  // The mouse decoded a valid plain frame: command, rate code 8, checksum 0xFF - 0x09 = 0xF6.
  EXPECT_EQ(lines[0].substr(lines[0].find("plain=")), "plain=0001080000000000f6");
  EXPECT_EQ(f_.bus.firmware(mouse_).memory().rate, 0x08);
  EXPECT_EQ(lines[0].find("wire=000108"), std::string::npos) << "sent in the clear";
}

TEST_F(TransportTest, ReadCopiesTheUnscrambledAnswerIntoTheHeader) {
  f_.bus.firmware(mouse_).memory().sensor = {0x02, 0x01, 0x33, 0x44};
  CommandHeader header{kCmdReadSensorBlock};
  EXPECT_TRUE(f_.device.transport().SendCommand(header));
  EXPECT_EQ(HexString(header), "8302013344000002");
}

TEST_F(TransportTest, WriteSendsOne32ByteReportPerStartedChunkWithPauses) {
  const std::pair<uint8_t, size_t> cases[] = {{0, 0},  {24, 1},  {32, 1}, {33, 2},
                                              {64, 2}, {128, 4}, {255, 8}};
  for (const auto& [length, reports] : cases) {
    f_.trace.Clear();
    std::vector<uint8_t> data(256);
    std::iota(data.begin(), data.end(), 1);
    CommandHeader header{kCmdWriteMacroSlot, 1, length};
    EXPECT_TRUE(f_.device.transport().TransferBlock(header, data));
    EXPECT_EQ(f_.LinesStartingWith("write").size(), reports) << int(length);
    EXPECT_EQ(f_.LinesStartingWith("pause 3").size(), reports) << int(length);
  }
}

TEST_F(TransportTest, WriteOf24BytesLeavesTheLastEightDataBytesZero) {
  std::vector<uint8_t> data(128, 0xAB);
  CommandHeader header{kCmdWriteConfigBlock, 1, 24};
  f_.device.transport().TransferBlock(header, data);
  const auto writes = f_.LinesStartingWith("write ");
  ASSERT_EQ(writes.size(), 1u);
  std::string expected = "write 00";
  for (int i = 0; i < 24; ++i) expected += "ab";
  EXPECT_EQ(writes[0], expected + std::string(16, '0'));
}

TEST_F(TransportTest, ReadTakesTheReportCountFromTheAnswerNotTheRequest) {
  for (size_t i = 0; i < 24; ++i) f_.bus.firmware(mouse_).memory().config[1][i] = uint8_t(i + 1);
  std::vector<uint8_t> data(128, 0xFF);
  CommandHeader header{kCmdReadConfigBlock, 1, 0};
  // 128 bytes asked for, 24 answered: the transfer is read, but it is not the answer asked for.
  EXPECT_FALSE(f_.device.transport().TransferBlock(header, data));
  EXPECT_EQ(header[1], 1);
  EXPECT_EQ(header[2], 24);
  EXPECT_EQ(f_.LinesStartingWith("read ").size(), 1u);
  for (size_t i = 0; i < 24; ++i) EXPECT_EQ(data[i], i + 1);
  // Only the answered bytes are taken, not the rest of their report.
  for (size_t i = 24; i < 128; ++i) EXPECT_EQ(data[i], 0xFF);
}

TEST_F(TransportTest, ReadOfTheLengthAskedForSucceeds) {
  for (size_t i = 0; i < 24; ++i) f_.bus.firmware(mouse_).memory().config[0][i] = uint8_t(0x40 + i);
  std::array<uint8_t, 24> data{};
  CommandHeader header{kCmdReadConfigBlock, 0};
  EXPECT_TRUE(f_.device.transport().TransferBlock(header, data));
  EXPECT_EQ(data[0], 0x40);
  EXPECT_EQ(data[23], 0x57);
}

TEST_F(TransportTest, ReadAnsweredShorterThanAskedFails) {
  f_.bus.firmware(mouse_).answered_length_override = 8;
  std::array<uint8_t, 24> data{};
  CommandHeader header{kCmdReadConfigBlock, 0};
  EXPECT_FALSE(f_.device.transport().TransferBlock(header, data));
  EXPECT_EQ(header[2], 8);
}

TEST_F(TransportTest, ReadAnswerThatDoesNotEchoTheCommandFailsAndWaitsForNoReport) {
  f_.bus.faults.garbage_answers = true;
  CommandHeader effect{kCmdReadEffect};
  EXPECT_FALSE(f_.device.transport().SendCommand(effect));
  std::array<uint8_t, 128> data{};
  CommandHeader slot{kCmdReadMacroSlot, 1};
  EXPECT_FALSE(f_.device.transport().TransferBlock(slot, data));
  EXPECT_TRUE(f_.LinesStartingWith("timeout").empty());
  EXPECT_TRUE(f_.LinesStartingWith("read ").empty());
}

TEST_F(TransportTest, AnsweredLengthBeyondTheBufferReadsEveryReportButKeepsOnlyWhatFits) {
  f_.bus.firmware(mouse_).answered_length_override = 255;
  std::vector<uint8_t> data(128, 0);
  CommandHeader header{kCmdReadMacroSlot, 3, 128};
  EXPECT_FALSE(f_.device.transport().TransferBlock(header, std::span<uint8_t>(data.data(), 128)));
  EXPECT_EQ(header[2], 255);
  // All eight reports leave the mouse, so none is left queued for the next transfer.
  EXPECT_EQ(f_.LinesStartingWith("read ").size(), 8u);
  EXPECT_FALSE(f_.bus.firmware(mouse_).TakeInputReport().has_value());
}

TEST_F(TransportTest, ReadThatNeverArrivesIsBoundedAndEndsTheTransfer) {
  f_.bus.faults.input_reports_never_arrive = true;
  std::vector<uint8_t> data(128, 0x5A);
  CommandHeader header{kCmdReadMacroSlot, 2, 128};
  EXPECT_FALSE(f_.device.transport().TransferBlock(header, data));
  EXPECT_EQ(f_.LinesStartingWith("timeout").size(), 1u);
  EXPECT_LE(f_.bus.longest_wait_ms(), 1000u);
  EXPECT_EQ(data[0], 0x5A) << "nothing was copied for a report that never came";
}

TEST_F(TransportTest, WriteThatNeverCompletesIsBoundedAndEndsTheTransfer) {
  f_.bus.faults.output_reports_time_out = true;
  std::vector<uint8_t> data(128);
  CommandHeader header{kCmdWriteMacroSlot, 1, 128};
  EXPECT_FALSE(f_.device.transport().TransferBlock(header, data));
  EXPECT_EQ(f_.LinesStartingWith("timeout").size(), 1u);
  EXPECT_LE(f_.bus.longest_wait_ms(), 1000u);
  EXPECT_EQ(f_.bus.blocked_ms(), 1000u);
}

TEST_F(TransportTest, FailedReadBackIsAFailureNotAnAnswerOfZeros) {
  f_.bus.faults.no_feature_answer = true;
  CommandHeader header{kCmdReadEffect};
  EXPECT_FALSE(f_.device.transport().SendCommand(header));
  std::array<uint8_t, 128> data{};
  CommandHeader block{kCmdReadConfigBlock, 0};
  EXPECT_FALSE(f_.device.transport().TransferBlock(block, data));
  EXPECT_TRUE(f_.LinesStartingWith("timeout").empty()) << "no report is waited for";
}

TEST_F(TransportTest, UnplugInTheMiddleOfATransferStopsNothingElseFromWorking) {
  f_.bus.faults.unplug_after_output_reports = 2;
  std::vector<uint8_t> data(128, 0x11);
  CommandHeader header{kCmdWriteMacroSlot, 4, 128};
  EXPECT_FALSE(f_.device.transport().TransferBlock(header, data));
  EXPECT_EQ(f_.LinesStartingWith("write ").size(), 2u);
  CommandHeader read{kCmdReadSensorBlock};
  EXPECT_FALSE(f_.device.transport().SendCommand(read));
  EXPECT_EQ(f_.bus.firmware(mouse_).memory().macro[3][0], 0) << "half a slot is not stored";
}

// Each failing system call leaves one diagnostic line: the call, how it failed, its error code.
TEST(TransportDiagnostics, NameTheFailedCallAndTheSystemErrorCode) {
  struct Case {
    const char* name;
    void (*fault)(sim::BusFaults&);
    uint8_t command;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"feature read fails", [](sim::BusFaults& b) { b.no_feature_answer = true; },
       kCmdReadMacroSlot, {"HidD_GetFeature failed.\nError Code is: 31"}},
      {"input reports never arrive", [](sim::BusFaults& b) { b.input_reports_never_arrive = true; },
       kCmdReadMacroSlot, {"ReadFile timed out.\nError Code is: 995"}},
      {"output reports time out", [](sim::BusFaults& b) { b.output_reports_time_out = true; },
       kCmdWriteMacroSlot, {"WriteFile timed out.\nError Code is: 995"}},
      {"unplugged after one output report",
       [](sim::BusFaults& b) { b.unplug_after_output_reports = 1; }, kCmdWriteMacroSlot,
       {"WriteFile failed.\nError Code is: 1167", "HidD_SetFeature failed.\nError Code is: 1167"}},
      {"no fault", [](sim::BusFaults&) {}, kCmdWriteMacroSlot, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LinkFixture f;
    f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
    ASSERT_TRUE(f.device.OpenDevice());
    f.device.Handshake();
    f.diagnostics.lines.clear();
    c.fault(f.bus.faults);
    std::vector<uint8_t> data(64);
    CommandHeader header{c.command, 1, 64};
    f.device.transport().TransferBlock(header, data);
    CommandHeader after{kCmdWriteReportRate, 1};
    f.device.transport().SendCommand(after);
    EXPECT_EQ(f.diagnostics.lines, c.lines);
  }
}

}  // namespace
}  // namespace vx
