// gmctl's handshake, apply and watch over the hidraw port, against the virtual mouse behind a
// fake kernel.
#include <gtest/gtest.h>

#include <pthread.h>
#include <signal.h>

#include <sstream>
#include <thread>

#include "settings/factory_settings.h"
#include "sim/mouse_memory.h"
#include "sim/virtual_hid_bus.h"
#include "support/gmctl_run.h"
#include "support/hand_made_descriptors.h"
#include "tests/linux/fake_hidraw_system.h"
#include "tests/linux/hidraw_tree.h"
#include "tools/gmctl/apply_link.h"
#include "tools/gmctl/system_hid_source.h"
#include "tools/gmctl/watch_command.h"

namespace vx::test {
namespace {

std::unique_ptr<HidPort> HidrawPort(LinuxSystem& system, const HidrawFolders& folders,
                                    std::vector<std::string>* refusals = nullptr) {
  return std::make_unique<LinuxHidPort>(system, folders, [refusals](const std::string& line) {
    if (refusals) refusals->push_back(line);
  });
}

// gmctl takes the hidraw port on the given system for the system's HID while it lives.
class HidrawFactory {
 public:
  HidrawFactory(LinuxSystem& system, HidrawFolders folders) {
    gmctl::UseHidPortFactory([&system, folders] { return HidrawPort(system, folders); });
  }
  ~HidrawFactory() { gmctl::UseHidPortFactory(nullptr); }
};

struct ApplyRun {
  gmctl::ApplyEnd end;
  std::vector<std::string> trace;
  std::string memory;
  std::string err;
};

ApplyRun Apply(HidPort& hid, sim::WireTrace& trace, const sim::MouseMemory& memory) {
  sim::TracedPause pause(trace);
  std::ostringstream out, err;
  const gmctl::ApplyEnd end = gmctl::ApplyThroughLink(hid, pause, trace, FactoryRecord(), out, err);
  return {end, trace.Lines(), sim::MouseMemoryToText(memory), err.str()};
}

TEST(HidrawLink, FullApplyCrossesTheWireAsAgainstTheVirtualMouse) {
  sim::WireTrace virtual_trace;
  sim::VirtualHidBus bus(virtual_trace);
  const int mouse = bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory());
  const ApplyRun expected = Apply(bus, virtual_trace, bus.firmware(mouse).memory());

  sim::WireTrace hidraw_trace;
  FakeHidrawSystem kernel(hidraw_trace, sim::DefaultMouseMemory());
  const auto port = HidrawPort(kernel, FakeHidrawSystem::Folders());
  const ApplyRun got = Apply(*port, hidraw_trace, kernel.firmware().memory());

  ASSERT_EQ(expected.end, gmctl::ApplyEnd::kComplete) << expected.err;
  EXPECT_EQ(got.end, gmctl::ApplyEnd::kComplete) << got.err;
  EXPECT_EQ(got.err, "");
  // Hundreds of lines: the first that differs tells where the two ways part.
  ASSERT_GT(expected.trace.size(), 100u);
  for (size_t i = 0; i < std::max(expected.trace.size(), got.trace.size()); ++i) {
    ASSERT_LT(i, got.trace.size()) << "the hidraw trace ends early";
    ASSERT_LT(i, expected.trace.size()) << "the hidraw trace goes on: " << got.trace[i];
    ASSERT_EQ(got.trace[i], expected.trace[i]) << "line " << i;
  }
  EXPECT_EQ(got.memory, expected.memory);
  EXPECT_EQ(kernel.open_files(), 0u);
}

TEST(HidrawLink, GmctlHandshakeWithoutVirtualTakesTheSystemsHid) {
  sim::WireTrace trace;
  FakeHidrawSystem kernel(trace, sim::DefaultMouseMemory());
  const HidrawFactory factory(kernel, FakeHidrawSystem::Folders());
  const GmctlRun run = Gmctl({"handshake"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "notify 14 0\nready 1\n");
  EXPECT_EQ(run.err, "");
  // The probe went out plain, then scrambled, and the scrambled one was answered.
  EXPECT_EQ(trace.Lines().at(0), "set-feature wire=0000aadd3b620000db plain=0000aadd3b620000db");
  EXPECT_EQ(trace.Lines().size(), 4u);
}

TEST(HidrawLink, GmctlWithoutTheMouseReportsItMissing) {
  HidrawTree tree({{"hidraw0", "0003:0000046D:0000C08B", kVendorDescriptor}});
  TriggeredSystem system;
  const HidrawFactory factory(system, tree.folders());
  EXPECT_EQ(Gmctl({"handshake"}).out, "notify 15 0\nready 0\n");
  EXPECT_EQ(Gmctl({"watch"}).code, 1);
}

TEST(HidrawLink, WatchPrintsTheMousesOwnNotificationsUntilStopped) {
  sim::WireTrace trace;
  FakeHidrawSystem kernel(trace, sim::DefaultMouseMemory());
  const auto port = HidrawPort(kernel, FakeHidrawSystem::Folders());
  sim::TracedPause pause(trace);
  std::ostringstream out, err;
  bool handled = false;
  const int code = gmctl::WatchMouse(*port, pause, out, err, [&] {
    kernel.EmitEvent(5, 2);
    kernel.EmitEvent(7, 3);
    kernel.EmitEvent(6, 1);  // no notification the program passes on
    kernel.EmitEvent(8, 2);
    kernel.EmitEvent(9, 4);
    kernel.EmitEvent(5, 8);
    handled = kernel.WaitUntilEventsHandled(std::chrono::seconds(10));
  });
  EXPECT_TRUE(handled);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(out.str(),
            "notify 14 0\nready 1\nreport rate 500 Hz\nDPI stage 3\nkey set B\nmacro key 4\n"
            "report rate 125 Hz\n");
  EXPECT_EQ(kernel.open_files(), 0u);
}

// Ctrl+C, sent to the thread that waits for it once the reader waits for notifications.
TEST(HidrawLink, GmctlWatchEndsCleanlyOnCtrlC) {
  sim::WireTrace trace;
  FakeHidrawSystem kernel(trace, sim::DefaultMouseMemory());
  const HidrawFactory factory(kernel, FakeHidrawSystem::Folders());
  const pthread_t watching = pthread_self();
  std::thread interrupter([&] {
    if (kernel.WaitUntilEventsHandled(std::chrono::seconds(10))) pthread_kill(watching, SIGINT);
  });
  const GmctlRun run = Gmctl({"watch"});
  interrupter.join();
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "notify 14 0\nready 1\n");
  EXPECT_EQ(kernel.open_files(), 0u);
}

}  // namespace
}  // namespace vx::test
