#include <gtest/gtest.h>

#include "platform/system_hid.h"
#include "platform/system_pause.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

// Wine lists no mouse of ours: the search must end cleanly, without a message box.
TEST(Win32HidPort, FindsNoMouseOnAMachineWithoutOne) {
  std::unique_ptr<HidPort> hid = CreateSystemHidPort();
  ASSERT_TRUE(hid);
  sim::WireTrace trace;
  test::RecordingHost host(trace);
  test::RecordingMessages messages;
  test::RecordingDiagnostics diagnostics;
  std::unique_ptr<PausePort> pause = CreateSystemPause();
  LinkState link;
  DeviceImage image;
  DeviceLink device({*hid, host, messages, diagnostics, *pause}, link, image);
  EXPECT_FALSE(device.OpenDevice());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(link.feature_handle, kInvalidHidHandle);
}

TEST(Win32HidPort, WakeEventSignalsAndResets) {
  std::unique_ptr<HidPort> hid = CreateSystemHidPort();
  auto wake = hid->CreateWakeEvent();
  ASSERT_TRUE(wake);
  EXPECT_FALSE(wake->Wait(0));
  wake->Set();
  EXPECT_TRUE(wake->Wait(0));
  EXPECT_TRUE(wake->Wait(0)) << "manual reset";
  wake->Reset();
  EXPECT_FALSE(wake->Wait(10));
}

}  // namespace
}  // namespace vx
