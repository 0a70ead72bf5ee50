#include <gtest/gtest.h>

#include "device/command_codes.h"
#include "sim/virtual_hid_bus.h"
#include "sim/virtual_mouse_session.h"
#include "support/link_fixture.h"
#include "support/memory_files.h"

namespace vx::sim {
namespace {

TEST(BusFaultsNamed, KnowsTheFaultsAPersonCanAskFor) {
  ASSERT_TRUE(BusFaultsNamed("no-answer"));
  EXPECT_TRUE(BusFaultsNamed("no-answer")->no_feature_answer);
  EXPECT_TRUE(BusFaultsNamed("garbage")->garbage_answers);
  EXPECT_TRUE(BusFaultsNamed("no-input-reports")->input_reports_never_arrive);
  EXPECT_TRUE(BusFaultsNamed("output-timeout")->output_reports_time_out);
  EXPECT_EQ(BusFaultsNamed("unplug-after=3")->unplug_after_output_reports, 3);
  EXPECT_EQ(BusFaultsNamed("unplug-after=0")->unplug_after_output_reports, 0);
  EXPECT_FALSE(BusFaultsNamed("no-answer")->garbage_answers) << "one fault at a time";
  for (const char* bad : {"", "No-Answer", "no-answer ", "unplug-after=", "unplug-after=-1",
                          "unplug-after=2x", "unplug-after", "unplug-after=99999999999"}) {
    EXPECT_FALSE(BusFaultsNamed(bad)) << bad;
  }
}

// A mouse whose faults wait for the end of its handshake.
struct ArmedLink : test::LinkFixture {
  explicit ArmedLink(const char* fault) {
    bus.faults_after_handshake = BusFaultsNamed(fault);
    mouse = bus.AddMouse(ProbeMode::kScrambled, DefaultMouseMemory());
  }
  int mouse = 0;
};

TEST(FaultsAfterHandshake, TheHandshakeGoesThroughAndTheNextReadFails) {
  ArmedLink f("no-answer");
  EXPECT_TRUE(f.device.Connect());
  EXPECT_FALSE(f.bus.faults_after_handshake);
  EXPECT_TRUE(f.bus.faults.no_feature_answer);
  CommandHeader header{kCmdReadEffect};
  EXPECT_FALSE(f.device.transport().SendCommand(header));
}

TEST(FaultsAfterHandshake, AMouseThatAnswersOnlyPlainNeverArmsThem) {
  test::LinkFixture f;
  f.bus.faults_after_handshake = BusFaultsNamed("garbage");
  f.bus.AddMouse(ProbeMode::kPlainOnly, DefaultMouseMemory());
  EXPECT_FALSE(f.device.Connect());
  EXPECT_TRUE(f.bus.faults_after_handshake);
  EXPECT_FALSE(f.bus.faults.garbage_answers);
}

TEST(FaultsAfterHandshake, UnplugCountsTheOutputReportsFromTheHandshakeOn) {
  for (const int after : {0, 1, 2}) {
    SCOPED_TRACE(after);
    ArmedLink f(("unplug-after=" + std::to_string(after)).c_str());
    EXPECT_TRUE(f.device.Connect());
    std::array<uint8_t, 128> data{};
    CommandHeader header{kCmdWriteMacroSlot, 1, 128};
    EXPECT_FALSE(f.device.transport().TransferBlock(header, data));
    EXPECT_EQ(f.LinesStartingWith("write ").size(), size_t(after));
    EXPECT_FALSE(f.device.OpenDevice()) << "the mouse is gone";
  }
}

TEST(VirtualHidBus, ItsClockCountsEveryTimeOutInFull) {
  ArmedLink f("no-input-reports");
  ASSERT_TRUE(f.device.Connect());
  EXPECT_EQ(f.bus.blocked_ms(), 0u);
  for (uint8_t slot = 1; slot <= 2; ++slot) {
    std::array<uint8_t, 128> data{};
    CommandHeader header{kCmdReadMacroSlot, slot};
    EXPECT_FALSE(f.device.transport().TransferBlock(header, data));
  }
  EXPECT_EQ(f.bus.blocked_ms(), 2000u);
}

TEST(VirtualMouseSession, InjectsANamedFaultAfterTheHandshake) {
  test::MemoryFiles files;
  VirtualMouseSession session(files, std::nullopt);
  EXPECT_FALSE(session.InjectFault(L"unplug"));
  EXPECT_FALSE(session.bus().faults_after_handshake);
  EXPECT_TRUE(session.InjectFault(L"output-timeout"));
  ASSERT_TRUE(session.bus().faults_after_handshake);
  EXPECT_TRUE(session.bus().faults_after_handshake->output_reports_time_out);
  EXPECT_FALSE(session.bus().faults.output_reports_time_out) << "not before the handshake";
}

}  // namespace
}  // namespace vx::sim
